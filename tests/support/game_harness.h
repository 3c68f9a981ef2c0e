#pragma once
// Runs the game thread's real flow headless on the virtual clock. A driver, called after every
// Sleep of the game thread, plays the part of the player: it moves the pointer, presses and
// releases buttons and Escape at moments of virtual time, and can look at the game state, the
// zones and the trace.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/window.h"
#include "screens/mouse_zones.h"
#include "support/temp_dir.h"

// A pattern file's tile origins: (column, row, layer).
struct TileAt {
  int x, y, z;
};
void WritePattern(int number, const std::vector<TileAt>& tiles);

// The centre of a zone in the table; false when there is none of that name.
bool ZoneCentre(const char* name, int& x, int& y);

// The lowest zone slot that holds a zone of that name.
bool ZonePresent(const char* name);

// Replaces the board in play by a dead end: two tiles of one face, one on top of the other.
void LeaveADeadEnd();

// The cell number of a tile origin.
int CellOf(const TileAt& t);

// Keys as the window procedure hands them to the game: a key by its PlatformKey (Enter as
// Enter), Backspace, or typed text.
void QueueKey(int key);
// The same key again while it is held: the system's auto-repeat.
void QueueKeyRepeat(int key);
void QueuePadButton(int button);
// The player switched to another window or minimised this one; `covered`: the game cannot be seen
// at all.
void QueueWindowLeft(bool covered = false);
void QueueBackspace();
void QueueText(const char* utf8);
// A pointer event as the window procedure hands it over, at (x, y) of the frame.
void QueuePointer(PlatformEventKind kind, int x, int y);

// The best score file: written as one little-endian 32-bit value; read back, or -1 when it is
// missing or not 4 bytes long.
void WriteStoredBest(int32_t best);
int32_t StoredBest();

class GameHarness {
 public:
  GameHarness();
  ~GameHarness();

  // Sets up video (with the generated images when the build made them) and returns false when
  // it could not.
  bool StartVideo();

  // Presses the left (or right) button over (x, y) for `holdMs`, starting now.
  void Press(int x, int y, bool right = false, uint32_t holdMs = 30);
  // Presses the button over the centre of the named zone; false when there is no such zone.
  bool PressZone(const char* name, bool right = false, uint32_t holdMs = 30);
  // Presses the tile whose origin is that cell.
  void PressTile(int cell, uint32_t holdMs = 30);
  // Escape as the player presses it.
  void PressEscape();
  // Leaves a game as a player does: Escape, then YES in the box that asks.
  void LeaveGame();
  // True while a press is still held or waiting to be released.
  bool Busy() const;

  // Runs `body` on every Sleep of the game thread until it returns false or `limitMs` of virtual
  // time have passed (then the main thread's shutdown is simulated). Returns the virtual ms used.
  uint32_t RunGameThread(std::function<bool(uint32_t now)> body, uint32_t limitMs);
  // The same, around any screen function of the game thread.
  uint32_t Run(std::function<void()> screen, std::function<bool(uint32_t now)> body,
               uint32_t limitMs);

  std::string Trace() const { return ReadWholeFile("debug.txt"); }
  int CountInTrace(const std::string& line) const;
  // True once the named zone has been in the table for `afterMs` (past any screen's click guard);
  // forgets a zone as soon as it is gone.
  bool ZoneReady(const char* name, uint32_t now, uint32_t afterMs = 300);
  bool timedOut = false;

 private:
  void Step(uint32_t now);
  ScopedTempCwd cwd_;
  uint32_t releaseAt_ = 0;
  bool holding_ = false;
  bool holdingRight_ = false;
  bool leaving_ = false;  // YES is pressed once the leave box is up
  int pressX_ = 0, pressY_ = 0;
  std::function<bool(uint32_t)> body_;
  uint32_t limitAt_ = 0;
  bool finished_ = false;
  std::map<std::string, uint32_t> zoneSeenAt_;
};
