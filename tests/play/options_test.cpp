// The options screen on the virtual clock: each row changed by the mouse, the keys and a pad,
// what it asks of the main thread or keeps in settings.txt, and how it closes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_harness.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "play/game_loop.h"
#include "play/game_state.h"
#include "play/input.h"
#include "play/language_switch.h"
#include "play/main_thread_asks.h"
#include "play/options.h"
#include "save/settings.h"
#include "shell/language_setup.h"

namespace {
// The commands the main thread was asked to carry out since the last look, in order.
std::vector<Command> CommandsAsked() {
  std::vector<Command> commands;
  for (const MainThreadRequest& r : TakeMainThreadRequests()) {
    if (r.kind == MainThreadRequest::Kind::kCommand) commands.push_back(r.command);
  }
  return commands;
}

// One thing the player does: a press on a zone, or a key or pad button.
struct Act {
  const char* zone;
  int key;
};

struct Case {
  const char* name;
  std::vector<Act> acts;
  std::vector<Command> asks;  // what the main thread is asked to do, in order
  bool pauseAway;         // as kept in settings.txt afterwards
  int controlsShown;      // times the controls page was shown
  const char* language;   // as kept in settings.txt afterwards
};

TEST(Options, EveryRowAnswersTheMouseTheKeysAndThePad) {
  const Case cases[] = {
      {"mouse", {{"OPT_MUSIC", 0}, {"OPT_EFFECTS", 0}, {"OPT_VOLUME_DOWN", 0}, {"OPT_VOLUME", 0},
                 {"OPT_FULLSCREEN", 0}, {"OPT_PAUSEAWAY", 0}, {"OPT_LANGUAGE", 0},
                 {"OPT_CONTROLS", 0}, {nullptr, kKeyEnter}, {"OPT_OK", 0}},
       {Command::kMusic, Command::kEffects, Command::kVolumeDown, Command::kVolumeUp, Command::kFullScreen}, false, 1, "de"},
      {"keys", {{nullptr, kKeyEnter}, {nullptr, kKeyDown}, {nullptr, kKeySpace},
                {nullptr, kKeyDown}, {nullptr, kKeyLeft}, {nullptr, kKeyRight},
                {nullptr, kKeyDown}, {nullptr, kKeyRight}, {nullptr, kKeyDown},
                {nullptr, kKeyEnter}, {nullptr, kKeyEscape}},
       {Command::kMusic, Command::kEffects, Command::kVolumeDown, Command::kVolumeUp, Command::kFullScreen}, false, 0, ""},
      {"pad", {{nullptr, kPadDown}, {nullptr, kPadDown}, {nullptr, kPadLeft}, {nullptr, kPadDown},
               {nullptr, kPadDown}, {nullptr, kPadA}, {nullptr, kPadA}, {nullptr, kPadUp},
               {nullptr, kPadUp}, {nullptr, kPadB}},
       {Command::kVolumeDown}, true, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    vForgetSettings();
    TakeMainThreadRequests();
    size_t next = 0;
    uint32_t at = 0;
    bool closed = false;
    h.Run(
        [&] {
          vOptionsScreen();
          closed = true;
        },
        [&](uint32_t now) {
          if (next == c.acts.size() || h.Busy() || !h.ZoneReady("OPT_OK", now) || now - at < 300) {
            return true;
          }
          const Act& act = c.acts[next++];
          if (act.zone != nullptr) EXPECT_TRUE(h.PressZone(act.zone)) << act.zone;
          else if (act.key >= kPadA) QueuePadButton(act.key);
          else QueueKey(act.key);
          at = now;
          return true;
        },
        30000);
    EXPECT_FALSE(h.timedOut);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(ZonePresent("OPT_OK")) << "its zones go with it";
    EXPECT_EQ(gs.iEscapePressed.load(), 0) << "Escape closed the options and nothing else";
    EXPECT_EQ(CommandsAsked(), c.asks);
    EXPECT_EQ(h.CountInTrace("vControlsScreen()\n"), c.controlsShown) << "a key closes them";
    vForgetSettings();
    EXPECT_EQ(CurrentSettings().pauseAway, c.pauseAway);
    EXPECT_EQ(CurrentSettings().language, c.language);
    EXPECT_EQ(LanguageInUse(), *c.language ? c.language : "en") << "the switch is at once";
    bSwitchLanguage("en");
  }
  vForgetSettings();
}

// settings.txt's language comes before the environment's (English in the tests), and one the
// content does not have gives English.
TEST(Options, TheKeptLanguageStartsTheGameAndAnUnknownOneGivesEnglish) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  for (const char* kept : {"ru", "xx"}) {
    Settings s = CurrentSettings();
    s.language = kept;
    StoreSettings(s);
    vChooseLanguage();
    EXPECT_EQ(LanguageInUse(), kept == std::string("ru") ? "ru" : "en") << kept;
  }
  vForgetSettings();
}

// The pause's options: O opens them over the panel, Escape closes them and the game stays
// paused (no tick), P then goes on.
TEST(Options, ClosedFromThePauseTheGameStaysPaused) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  WritePattern(0, {{2, 2, 0}, {6, 2, 0}, {10, 2, 0}, {14, 2, 0}});
  int phase = 0, moves = 0;
  int32_t ticks = -1;
  uint32_t at = 0;
  h.Run([] { iGameLoop(); },
        [&](uint32_t now) {
          if (phase == 0 && h.ZoneReady("GAME_LOOP", now, 600)) {
            QueueKey('p');
            ticks = gs.iTimeTicks;
            phase = 1;
            at = now;
          } else if (phase > 0 && phase < 4) {
            moves += gs.iTimeTicks != ticks;
          }
          if (phase == 1 && now - at == 500) {
            QueueKey('o');
            phase = 2;
          } else if (phase == 2 && h.ZoneReady("OPT_OK", now)) {
            QueueKey(kKeyEscape);
            phase = 3;
            at = now;
          } else if (phase == 3 && now - at == 2000) {
            EXPECT_FALSE(ZonePresent("OPT_OK"));
            QueueKey('p');
            phase = 4;
            at = now;
          } else if (phase == 4 && now - at == 1000) {
            EXPECT_LT(gs.iTimeTicks, ticks) << "the game went on";
            h.LeaveGame();
            phase = 5;
          }
          return true;
        },
        60000);
  EXPECT_FALSE(h.timedOut);
  EXPECT_EQ(phase, 5);
  EXPECT_EQ(moves, 0);
  EXPECT_EQ(h.CountInTrace("vPauseGame()\n"), 1);
  EXPECT_EQ(h.CountInTrace("vOptionsScreen()\n"), 1);
}
}  // namespace
