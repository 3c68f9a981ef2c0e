// A save that fails reaches the player: the screen up says so in its note and takes the note down
// again; the trace has one line, the old file stays whole and the game goes on. A folder in the
// place of the write's temporary file makes it fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "game_harness.h"
#include "platform/clock.h"
#include "player_script.h"
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
  std::function<void()> screens;
  Script reach;  // up to the screen that shows the note, the save failed
  Script close;  // what closes the screens after it
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
       "vSaveBestScore() Could not save ",
       [] {
         gs.iShownScore = 5500;
         vGameOverScreen();
         vEnterHighScore(gs.iShownScore);
       },
       {Wait(0).Shows("NAME_ENTRY", 50)}, {Escape(), Wait(0).Shows("SCORE_TABLE"), Press(10, 10)}},
      {"scores.txt", "Ann\n100\n", "Could not save the score table",
       "bSaveHighScores() Could not save ", [] { vEnterHighScore(5500); },
       {Wait(0).Shows("NAME_ENTRY"), Escape().Shows("SCORE_TABLE", 50)}, {Press(10, 10)}},
      {"settings.txt", FormatSettings(Settings{}), "Could not save the settings",
       "StoreSettings() Could not save ", [] { iTitleScreen(); },
       {Wait(0).Shows("TITLE_SCREEN", 50), Do([] {
          EXPECT_TRUE(RunSoundCommand(Command::kMusic));
          vFlushSettings();  // failed before the screen looks again
        })},
       {Press(10, 10)}},
  };
  for (const NoteCase& c : cases) {
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    vLoadHighScores();  // no file: 10000 down to 1000, so 5500 enters
    const std::string path = std::string("content/levels/") + c.file;
    WriteWholeFile(path, c.old);
    std::filesystem::create_directories(path + ".tmp");
    std::vector<uint32_t> withNote, without;
    auto noteUp = [&c](bool up) {
      return WaitUntil([&c, up] { return (ShortNote(timeGetTime()) == c.note) == up; });
    };
    Script script = c.reach;
    script.insert(script.end(),
                  {noteUp(true), Do([&] { withNote = StripPixels(c.note); }).After(100),
                   noteUp(false), Do([&] { without = StripPixels(c.note); }).After(100)});
    script.insert(script.end(), c.close.begin(), c.close.end());
    PlayScript(h, c.screens, script, 30000);
    EXPECT_NE(withNote, without) << c.file << ": the note was not drawn, or not taken down";
    EXPECT_EQ(h.CountInTrace(c.traced), 1) << c.file;
    EXPECT_EQ(ReadWholeFile(path), c.old) << c.file;
  }
}
