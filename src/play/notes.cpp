#include "play/notes.h"

#include <mutex>

#include "gfx/frame_stack.h"
#include "play/pointer.h"
#include "play/translations.h"
#include "save/failed_saves.h"
#include "screens/render.h"
#include "screens/screen_layout.h"
#include "util/time_compare.h"

namespace {
// What the player reads when a save failed, by SavedFile (in English: Tr gives the language's).
constexpr const char* kFailedSaveText[kSavedFiles] = {
    "Could not save the best score", "Could not save the score table", "Could not save the settings",
    "Could not save the name"};

std::mutex gLock;  // the sound keys put notes up on the main thread
std::string gText;
uint32_t gUntil = 0;

bool bUpLocked(uint32_t now) { return !gText.empty() && !bTimeAfter(now, gUntil); }

void vPutLocked(const std::string& text, uint32_t now, uint32_t ms) {
  gText = text;
  gUntil = now + ms;
}
}  // namespace

void vPutNote(const std::string& text, uint32_t now, uint32_t ms) {
  std::lock_guard<std::mutex> hold(gLock);
  vPutLocked(text, now, ms);
}

std::string ShortNote(uint32_t now) {
  std::lock_guard<std::mutex> hold(gLock);
  SavedFile failed;
  if (!bUpLocked(now) && bTakeFailedSave(failed)) {
    vPutLocked(Tr(kFailedSaveText[static_cast<int>(failed)]), now, kFailedSaveNoteMs);
  }
  return bUpLocked(now) ? gText : std::string();
}

uint32_t dwShortNoteUntil() {
  std::lock_guard<std::mutex> hold(gLock);
  return gUntil;
}

bool bShortNoteChanged(std::string& shown, PassWait& wake) {
  const std::string note = ShortNote(wake.Start());
  if (!note.empty()) wake.After(dwShortNoteUntil());
  if (note == shown) return false;
  shown = note;
  return true;
}

// The whole width of the strip's rows: a note of any length lies within.
NoteOverPicture::NoteOverPicture() {
  under_.Init(screen::kScreenWidth, screen::kNoteStrip.h, gFrameStack.Depth(), &gFrameStack, false,
              false, nullptr);
  KeepUnder();
}

void NoteOverPicture::KeepUnder() {
  under_.Grab(0, screen::kNoteStrip.y);
  shown_.clear();  // the note, if one is up, is drawn again over the new picture
}

NoteOverPicture::~NoteOverPicture() { under_.Draw(0, screen::kNoteStrip.y); }

void NoteOverPicture::Draw() const {
  under_.Draw(0, screen::kNoteStrip.y);
  DrawShortNote(shown_);
}

void vForgetNotes() {
  std::lock_guard<std::mutex> hold(gLock);
  gText.clear();
  vForgetFailedSaves();
}
