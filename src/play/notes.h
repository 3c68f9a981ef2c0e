#pragma once
// Short notes over a screen's picture, on a small panel at the bottom: the sound's new state
// after a sound key, a save that failed. One note is up at a time and a new one replaces it; a
// failed save the save layer recorded goes up as soon as no other note is.
#include <cstdint>
#include <string>

#include "gfx/sprite.h"

constexpr uint32_t kSoundNoteMs = 1000;
constexpr uint32_t kFailedSaveNoteMs = 3000;

// Puts the note up from `now` for `ms`. Either thread.
void vPutNote(const std::string& text, uint32_t now, uint32_t ms);

// The note up at `now` (else empty), and when it goes.
std::string ShortNote(uint32_t now);
uint32_t dwShortNoteUntil();

class PassWait;
// For a screen whose picture does not change by itself, once per pass: true when the note it
// shows (`shown`) is to change, and then `shown` is the new one (the screen draws its picture
// again with DrawShortNote over it). The pass also wakes when a note ends.
bool bShortNoteChanged(std::string& shown, PassWait& wake);

// The note on a screen drawn over the picture of the screen before it (the score screens): what
// lies under the strip is kept when the screen starts, and put back under every note and at the
// end, so that the next screen starts from a picture without the note.
class NoteOverPicture {
 public:
  NoteOverPicture();  // after the screen has selected the frame it draws into
  ~NoteOverPicture();
  NoteOverPicture(const NoteOverPicture&) = delete;
  NoteOverPicture& operator=(const NoteOverPicture&) = delete;
  // bShortNoteChanged for this screen's note.
  bool Changed(PassWait& wake) { return bShortNoteChanged(shown_, wake); }
  // Puts back what lay under the strip, then draws the note (nothing more when none is up).
  void Draw() const;
  // Keeps what lies under the strip now: the picture beneath was drawn again.
  void KeepUnder();

 private:
  std::string shown_;
  Sprite under_;
};

// Takes the note down and forgets the failed saves not yet told (tests).
void vForgetNotes();
