// What the options and the name's save tell the player, as the screens show it: a save that fails
// is told in the player's language on the screen where it failed (an options row, the name
// entered in the table), and the playing screen behind options opened from the pause turns to a
// language chosen there at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "game_harness.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/window.h"
#include "play/game_loop.h"
#include "play/language_switch.h"
#include "play/notes.h"
#include "play/options.h"
#include "play/score_screens.h"
#include "player_script.h"
#include "save/scores.h"
#include "save/settings.h"
#include "screens/screen_layout.h"

namespace {
// The latest presented picture within `r`.
std::vector<uint32_t> Presented(const screen::Rect& r) {
  std::vector<uint32_t> rgb, area;
  int width = 0, height = 0;
  if (!PlatformLastPresented(rgb, width, height)) return area;
  for (int y = r.y; y < r.y + r.h; ++y) {
    const auto row = rgb.begin() + y * width + r.x;
    area.insert(area.end(), row, row + r.w);
  }
  return area;
}

// The rows of the note's strip, whatever the note's length.
constexpr screen::Rect kStripRows{0, screen::kNoteStrip.y, screen::kScreenWidth, screen::kNoteStrip.h};

struct FailedSave {
  const char* file;  // in content/levels
  const char* note;  // in German
  const char* traced;
  std::function<void()> screen;
  Script reach;  // up to the moment the save failed
  Script close;
};

TEST(FailedSavesTold, OnTheScreenWhereTheyFailedInThePlayersLanguage) {
  const FailedSave cases[] = {
      {"settings.txt", "Einstellungen nicht gespeichert", "StoreSettings() Could not save ",
       [] { vOptionsScreen(); },
       {Wait(0).Shows("OPT_OK"), PressZone("OPT_PAUSEAWAY"), Do([] { vFlushSettings(); })},
       {PressZone("OPT_OK")}},
      {"lastname.txt", "Name nicht gespeichert", "vSaveLastEnteredName() Could not save ",
       [] { vEnterHighScore(5500); }, {Wait(0).Shows("NAME_ENTRY"), Escape().Shows("SCORE_TABLE", 50)},
       {Press(10, 10)}},
  };
  for (const FailedSave& c : cases) {
    SCOPED_TRACE(c.file);
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    ASSERT_TRUE(bSwitchLanguage("de"));
    vLoadHighScores();  // no file: 10000 down to 1000, so 5500 enters
    const std::string path = std::string("content/levels/") + c.file;
    std::filesystem::create_directories(path + ".tmp");  // the write's temporary file cannot be made
    std::vector<uint32_t> withNote, without;
    auto noteUp = [&c](bool up) {
      return WaitUntil([&c, up] { return (ShortNote(timeGetTime()) == c.note) == up; });
    };
    Script script = c.reach;
    script.insert(script.end(), {noteUp(true), Do([&] { withNote = Presented(kStripRows); }).After(100),
                                 noteUp(false), Do([&] { without = Presented(kStripRows); }).After(100)});
    script.insert(script.end(), c.close.begin(), c.close.end());
    PlayScript(h, c.screen, script, 30000);
    EXPECT_NE(withNote, without) << "the note was not drawn there, or not taken down";
    EXPECT_EQ(h.CountInTrace(c.traced), 1);
    bSwitchLanguage("en");
    vForgetSettings();
  }
}

// The Language row of the options opened from the pause: the playing screen's labels above the
// panel are in the new language before the options close.
TEST(OptionsLabels, ThePlayingScreenBehindTurnsToTheChosenLanguage) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  vForgetSettings();
  WritePattern(0, {{2, 2, 0}, {6, 2, 0}, {10, 2, 0}, {14, 2, 0}});
  constexpr int kPanelTop = screen::iCentredY(screen::kOptionsPanelHeight);
  const screen::Rect header{0, 0, screen::kScreenWidth, kPanelTop};
  std::vector<uint32_t> before, after;
  PlayScript(h, [] { iGameLoop(); },
             {Wait(0).Shows("GAME_LOOP", 600), Key('p'), Key('o').After(500).Shows("OPT_OK"),
              Do([&] { before = Presented(header); }),
              PressZone("OPT_LANGUAGE"), WaitUntil([] { return LanguageInUse() == "de"; }),
              Do([&] { after = Presented(header); }).After(100), Key(kKeyEscape),
              Key('p').After(500), LeaveGame().After(500)});
  EXPECT_FALSE(before.empty());
  EXPECT_NE(before, after) << "the labels behind stayed in the old language";
  bSwitchLanguage("en");
  vForgetSettings();
}
}  // namespace
