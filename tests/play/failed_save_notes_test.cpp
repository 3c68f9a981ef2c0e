// A save that fails reaches the player: the screen up says so in its note and takes the note down
// again; the trace has one line, the old file stays whole and the game goes on. A folder in the
// place of the write's temporary file makes it fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "game_harness.h"
#include "platform/display.h"
#include "play/game_state.h"
#include "play/menus.h"
#include "play/notes.h"
#include "play/score_screens.h"
#include "play/sound_controls.h"
#include "save/scores.h"
#include "save/settings.h"
#include "screens/screen_layout.h"
#include "screens/text.h"

namespace {
struct NoteCase {
  const char* file;  // in content/levels
  std::string old;
  const char* note;
  const char* traced;
  const char* zone;  // of the screen that shows the note
  std::function<void()> screens;
};

// The latest presented picture within the note's strip.
std::vector<uint32_t> StripPixels(const std::string& note) {
  std::vector<uint32_t> rgb, strip;
  int width = 0, height = 0;
  if (!PlatformLastPresented(rgb, width, height)) return strip;
  const screen::Rect r = screen::NoteStrip(iTextWidth(note));
  for (int y = r.y; y < r.y + r.h; ++y) {
    const auto row = rgb.begin() + y * width + r.x;
    strip.insert(strip.end(), row, row + r.w);
  }
  return strip;
}
}  // namespace

TEST(FailedSaveNotes, TheScreenUpSaysSoAndTheGameGoesOn) {
  const NoteCase cases[] = {
      {"scr.dat", std::string("\x64\0\0\0", 4), "Could not save the best score",
       "vSaveBestScore() Could not save ", "NAME_ENTRY",
       [] {
         gs.iShownScore = 5500;
         vGameOverScreen();
         vEnterHighScore(gs.iShownScore);
       }},
      {"scores.txt", "Ann\n100\n", "Could not save the score table",
       "bSaveHighScores() Could not save ", "SCORE_TABLE", [] { vEnterHighScore(5500); }},
      {"settings.txt", FormatSettings(Settings{}), "Could not save the settings",
       "StoreSettings() Could not save ", "TITLE_SCREEN", [] { iTitleScreen(); }},
  };
  for (const NoteCase& c : cases) {
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    vLoadHighScores();  // no file: 10000 down to 1000, so 5500 enters
    const std::string path = std::string("content/levels/") + c.file;
    WriteWholeFile(path, c.old);
    std::filesystem::create_directories(path + ".tmp");
    std::vector<uint32_t> withNote, without;
    uint32_t at = 0;
    int step = 0;
    bool keyed = false;
    h.Run(c.screens,
          [&](uint32_t now) {
            const bool here = h.ZoneReady(c.zone, now, 50), up = ShortNote(now) == c.note;
            if (!h.Busy() && (step == 4 || !here) && h.ZoneReady("NAME_ENTRY", now)) h.PressEscape();
            if (!keyed && here && c.file == std::string("settings.txt")) {
              keyed = bSoundControlKey('m');
              vFlushSettings();  // failed before the screen looks again
            }
            if ((step == 0 && here && up) || (step == 2 && !up)) {
              at = now;
              ++step;
            } else if ((step == 1 || step == 3) && now - at == 100) {
              (step == 1 ? withNote : without) = StripPixels(c.note);
              ++step;
            } else if (step == 4 && !h.Busy() && (here || h.ZoneReady("SCORE_TABLE", now))) {
              h.Press(10, 10);  // the title and the table close on a press
            }
            return true;
          },
          30000);
    EXPECT_FALSE(h.timedOut) << c.file;
    EXPECT_NE(withNote, without) << c.file << ": the note was not drawn, or not taken down";
    EXPECT_EQ(h.CountInTrace(c.traced), 1) << c.file;
    EXPECT_EQ(ReadWholeFile(path), c.old) << c.file;
  }
}
