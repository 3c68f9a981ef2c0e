// A save that fails reaches the player: the screen up says so in its note, then takes the note
// down again; the trace has one line, the old file stays whole and the game goes on. The write
// is made to fail by a folder in the place of its temporary file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "game_harness.h"
#include "platform/display.h"
#include "play/game_state.h"
#include "play/notes.h"
#include "play/menus.h"
#include "play/score_screens.h"
#include "play/sound_controls.h"
#include "save/scores.h"
#include "save/settings.h"
#include "screens/screen_layout.h"
#include "screens/text.h"

namespace {
struct NoteCase {
  const char* file;    // in content/levels, failing to save
  std::string old;     // what it holds
  const char* note;
  const char* traced;
  const char* screen;  // the zone of the screen that shows the note
  std::function<void()> screens;  // from the screen that saves on
  std::function<void()> act;      // done once that screen is up, if anything
};

// The latest presented picture within the note's strip.
std::vector<uint32_t> StripPixels(const std::string& note) {
  std::vector<uint32_t> rgb, strip;
  int width = 0, height = 0;
  if (!PlatformLastPresented(rgb, width, height)) return strip;
  const screen::Rect r = screen::NoteStrip(iTextWidth(note));
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) strip.push_back(rgb[static_cast<size_t>(y * width + x)]);
  }
  return strip;
}

// Leaves the score screens and the title: Escape takes the offered name, a press the rest.
void vLeave(GameHarness& h, uint32_t now) {
  if (h.ZoneReady("NAME_ENTRY", now)) h.PressEscape();
  else if (h.ZoneReady("SCORE_TABLE", now) || h.ZoneReady("TITLE_SCREEN", now)) h.Press(10, 10);
}
}  // namespace

TEST(FailedSaveNotes, TheScreenUpSaysSoOnceAndTheGameGoesOn) {
  const NoteCase cases[] = {
      {"scr.dat", std::string("\x64\0\0\0", 4), "Could not save the best score", "vSaveBestScore() Could not save ", "NAME_ENTRY",
       [] {
         gs.iShownScore = 5500;
         vGameOverScreen();
         vEnterHighScore(gs.iShownScore);
       },
       nullptr},
      {"scores.txt", "Ann\n100\n", "Could not save the score table", "bSaveHighScores() Could not save ",
       "SCORE_TABLE", [] { vEnterHighScore(5500); }, nullptr},
      {"settings.txt", FormatSettings(Settings{}), "Could not save the settings", "StoreSettings() Could not save ",
       "TITLE_SCREEN", [] { iTitleScreen(); },
       [] {
         bSoundControlKey('m');
         vFlushSettings();  // the writer has failed before the screen looks again
       }},
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
    h.Run(c.screens,
          [&](uint32_t now) {
            if (h.Busy()) return true;
            const bool up = h.ZoneReady(c.screen, now, 50);
            const std::string note = ShortNote(now);
            if (step == 0 && up) {
              if (c.act) c.act();
              step = 1;
            } else if (step == 0) {
              vLeave(h, now);  // the name entry before the table
            } else if (step == 1 && note == c.note) {
              at = now;
              step = 2;
            } else if (step == 2 && now - at == 100) {
              withNote = StripPixels(c.note);
              step = 3;
            } else if (step == 3 && note.empty()) {
              at = now;
              step = 4;
            } else if (step == 4 && now - at == 100) {
              without = StripPixels(c.note);
              step = 5;
            } else if (step == 5) {
              vLeave(h, now);
            }
            return true;
          },
          30000);
    EXPECT_FALSE(h.timedOut) << c.file;
    EXPECT_EQ(step, 5) << c.file;
    EXPECT_FALSE(withNote.empty()) << c.file;
    EXPECT_NE(withNote, without) << c.file << ": the note was not drawn, or not taken down";
    EXPECT_EQ(h.CountInTrace(c.traced), 1) << c.file;
    EXPECT_EQ(ReadWholeFile(path), c.old) << c.file;
  }
}
