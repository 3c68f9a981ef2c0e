#include "game_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "play/board.h"
#include "play/game_state.h"
#include "play/main_thread_asks.h"
#include "play/notes.h"
#include "diag/debug_log.h"
#include "content/video_setup.h"
#include "platform/clock.h"
#include "platform/virtual_clock.h"
#include "platform/window.h"
#include "play/playing_screen.h"
#include "play/input.h"
#include "screens/render.h"
#include "save/settings.h"
#include "screens/screen_layout.h"
#include "shell/shell.h"
#include "util/little_endian.h"

namespace fs = std::filesystem;

namespace {
bool gVideoStarted = false;
bool gVideoOk = false;
}  // namespace

void WritePattern(int number, const std::vector<TileAt>& tiles) {
  std::string bytes(kBoardCells * 4, '\0');
  for (const TileAt& t : tiles) bytes[static_cast<size_t>(CellOf(t)) * 4] = 1;
  WriteWholeFile("content/levels/level" + std::to_string(number) + ".dat", bytes);
}

int CellOf(const TileAt& t) { return iGetCellIndex(t.x, t.y, t.z); }

void LeaveADeadEnd() {
  std::fill(std::begin(Board), std::end(Board), 0);
  Board[iGetCellIndex(4, 4, 0)] = 5;
  Board[iGetCellIndex(4, 4, 1)] = 5;
}

bool ZoneCentre(const char* name, int& x, int& y) {
  const MouseZone* z = gMouseZones.Find(name);
  if (z == nullptr) return false;
  x = z->x + z->width / 2;
  y = z->y + z->height / 2;
  return true;
}

bool ZonePresent(const char* name) { return gMouseZones.Find(name) != nullptr; }

namespace {
void QueueKeyEvent(int key, bool repeat) {
  PlatformEvent e;
  e.kind = key == kKeyEnter ? kEventEnter : key == kKeyEscape ? kEventEscape : kEventKey;
  e.key = key;
  e.repeat = repeat;
  bQueueInput(e);
}
}  // namespace

void QueueKey(int key) { QueueKeyEvent(key, false); }

void QueueKeyRepeat(int key) { QueueKeyEvent(key, true); }

void QueueWindowLeft(bool covered) {
  PlatformEvent e;
  e.kind = covered ? kEventWindowCovered : kEventWindowLeft;
  bQueueInput(e);
}

void QueuePadButton(int button) {
  PlatformEvent e;
  e.kind = kEventPadButton;
  e.key = button;
  bQueueInput(e);
}

void QueueBackspace() {
  PlatformEvent e;
  e.kind = kEventBackspace;
  bQueueInput(e);
}

void QueueText(const char* utf8) {
  PlatformEvent e;
  e.kind = kEventText;
  std::snprintf(e.text, sizeof e.text, "%s", utf8);
  bQueueInput(e);
}

void QueuePointer(PlatformEventKind kind, int x, int y) {
  PlatformEvent e;
  e.kind = kind;
  e.x = x;
  e.y = y;
  bQueueInput(e);
}

void WriteStoredBest(int32_t best) {
  std::string bytes;
  AppendLe32(bytes, static_cast<uint32_t>(best));
  WriteWholeFile("content/levels/scr.dat", bytes);
}

int32_t StoredBest() {
  std::string bytes = ReadWholeFile("content/levels/scr.dat");
  if (bytes.size() != 4) return -1;
  return static_cast<int32_t>(ReadLe32(bytes.data()));
}

GameHarness::GameHarness() {
  vResetGameState();
  vForgetInput();
  vForgetNotes();
  gMouseZones.Clear();
  fs::create_directories("content/levels");
  const fs::path content = TAVIMORA_CONTENT_DIR;
  for (const char* sub : {"art", "sound"}) {
    std::error_code ignored;
    if (fs::exists(content / sub)) {
      fs::copy(content / sub, fs::path("content") / sub, fs::copy_options::recursive, ignored);
    }
  }
  VirtualClockSet(5000000);
  vSetDebugTrace(true);
  VirtualClockSetSleepHook([this](uint32_t now) { Step(now); });
}

GameHarness::~GameHarness() {
  vForgetSettings();  // written into this test's folder before it goes; the next reads its own
  VirtualClockSetSleepHook({});
  vSetDebugTrace(false);
  vForgetInput();
}

bool GameHarness::StartVideo() {
  if (!gVideoStarted) {
    gVideoStarted = true;
    gVideoOk = bInitVideo(nullptr);
  }
  return gVideoOk;
}

void GameHarness::Press(int x, int y, bool right, uint32_t holdMs) {
  PlatformSetPointerPosition(x, y);
  holding_ = true;
  holdingRight_ = right;
  pressX_ = x;
  pressY_ = y;
  QueuePointer(right ? kEventRightDown : kEventLeftDown, x, y);
  releaseAt_ = timeGetTime() + holdMs;
}

bool GameHarness::PressZone(const char* name, bool right, uint32_t holdMs) {
  int x = 0, y = 0;
  if (!ZoneCentre(name, x, y)) return false;
  Press(x, y, right, holdMs);
  return true;
}

void GameHarness::PressTile(int cell, uint32_t holdMs) {
  int x = 0, y = 0, z = 0;
  vGetCellXYZ(cell, x, y, z);
  Press(screen::iTileLeft(x, z) + 36, screen::iTileTop(y, z) + 44, false, holdMs);
}

void GameHarness::PressEscape() { QueueKey(kKeyEscape); }

void GameHarness::LeaveGame() {
  PressEscape();
  leaving_ = true;
}

bool GameHarness::Busy() const { return holding_; }

int GameHarness::CountInTrace(const std::string& line) const {
  std::string trace = Trace();
  int count = 0;
  for (size_t at = trace.find(line); at != std::string::npos; at = trace.find(line, at + 1)) ++count;
  return count;
}

bool GameHarness::ZoneReady(const char* name, uint32_t now, uint32_t afterMs) {
  if (!ZonePresent(name)) {
    zoneSeenAt_.erase(name);
    return false;
  }
  auto [it, fresh] = zoneSeenAt_.try_emplace(name, now);
  return now - it->second >= afterMs;
}

void GameHarness::Step(uint32_t now) {
  if (holding_ && bTimeReached(now, releaseAt_)) {
    holding_ = false;
    QueuePointer(holdingRight_ ? kEventRightUp : kEventLeftUp, pressX_, pressY_);
  }
  if (leaving_ && !holding_ && ZoneReady("YES", now)) leaving_ = !PressZone("YES");
  if (finished_ || !body_) return;
  if (bTimeReached(now, limitAt_)) {
    timedOut = true;
    finished_ = true;
    // As when the window closes: every screen returns at its next pass, and a main loop of the
    // test's own ends too.
    AskToQuit();
    gs.bShutdown = 1;
    return;
  }
  if (!body_(now)) finished_ = true;
}

uint32_t GameHarness::Run(std::function<void()> screen, std::function<bool(uint32_t)> body,
                          uint32_t limitMs) {
  uint32_t start = timeGetTime();
  body_ = std::move(body);
  limitAt_ = start + limitMs;
  finished_ = false;
  timedOut = false;
  zoneSeenAt_.clear();
  leaving_ = false;
  screen();
  body_ = nullptr;
  return timeGetTime() - start;
}

uint32_t GameHarness::RunGameThread(std::function<bool(uint32_t)> body, uint32_t limitMs) {
  return Run([] { thrMainGameLoop(nullptr); }, std::move(body), limitMs);
}
