// The name entry and the score table on the virtual clock: typed keys, Enter, Escape, presses,
// the click guard and the table's time limit.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "game_harness.h"
#include "player_script.h"
#include "play/game_state.h"
#include "play/score_screens.h"
#include "play/input.h"
#include "platform/window.h"
#include "save/scores.h"

namespace {

class ScoreScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(h.StartVideo());
    std::memset(aHighScores, 0, sizeof aHighScores);
    vLoadHighScores();  // no file: "Player", 10000 down to 1000
    vSaveLastEnteredName("Mei");
  }
  // Runs the entry for `score`, typing one batch of `keys` on each pass once the entry is up
  // (so a queue that is not emptied shows), and closing the table.
  void Enter(int32_t score, const std::vector<std::string>& keys, bool escape = false) {
    Script script = {Wait(0).Shows("NAME_OK"), Do([] { EXPECT_TRUE(bTextInputWanted); })};
    for (const std::string& batch : keys) script.push_back(Type(batch).After(1));
    if (escape) script.push_back(Escape());
    PlayToTheTable(score, script);
  }
  // Plays the entry for `score` with `script`, then closes the table with a press.
  void PlayToTheTable(int32_t score, Script script) {
    script.push_back(Wait(0).Shows("SCORE_TABLE"));
    script.push_back(Press(10, 10));
    PlayScript(h, [score] { vEnterHighScore(score); }, script, 120000);
    EXPECT_FALSE(bTextInputWanted);
  }
  static Step Type(const std::string& batch) {
    return Do([batch] {
      for (char k : batch) {
        if (k == kTypedEnter) QueueKey(kKeyEnter);
        else if (k == kTypedBackspace) QueueBackspace();
        else QueueText(std::string(1, k).c_str());
      }
    });
  }
  GameHarness h;
};

TEST_F(ScoreScreens, TypedNameEntersAtItsRankAndIsSaved) {
  // Typing replaces the offered "Mei"; Backspace edits within a batch and across them.
  Enter(5500, {"Zo\bb", "e", "\bs", std::string(1, kTypedEnter)});
  EXPECT_STREQ(aHighScores[5].name, "Zbs");
  EXPECT_EQ(aHighScores[5].score, 5500);
  EXPECT_EQ(aHighScores[9].score, 2000);
  EXPECT_EQ(LastEnteredName(), "Zbs");
  EXPECT_EQ(ReadWholeFile("content/levels/scores.txt"), ScoreTableText());
}

TEST_F(ScoreScreens, EscapeKeepsTheOfferedNameAndALowScoreAsksNothing) {
  Enter(20000, {"Xy"}, true);
  EXPECT_STREQ(aHighScores[0].name, "Mei");
  EXPECT_EQ(aHighScores[0].score, 20000);

  std::string before = ScoreTableText();
  uint32_t used = h.Run([] { vEnterHighScore(1000); }, [](uint32_t) { return true; }, 5000);
  EXPECT_LT(used, 5u);  // equal to the last entry: not in the table, no screen
  EXPECT_EQ(ScoreTableText(), before);
}

TEST_F(ScoreScreens, TableClosesOnAKeyAfterItsGuardOrAfterAMinute) {
  bool early = false;
  uint32_t start = 0;
  uint32_t used = h.Run([] { vHighScoreTable(-1); },
                        [&](uint32_t now) {
                          if (!early) {
                            start = now;
                            QueueKey(kKeyOther);  // within the guard: let go
                            early = true;
                          } else if (now - start == 400) {
                            QueueKey(kKeyOther);
                          }
                          return true;
                        },
                        5000);
  EXPECT_GE(used, 400u);
  EXPECT_LT(used, 410u);
  used = h.Run([] { vHighScoreTable(3); }, [](uint32_t) { return true; }, 120000);
  EXPECT_FALSE(h.timedOut);
  EXPECT_GE(used, 60000u);
  EXPECT_LT(used, 60010u);
}

// A pad confirms a typed name with A, as Enter does.
TEST_F(ScoreScreens, APadConfirmsTheNameWithA) {
  PlayToTheTable(5500, {Wait(0).Shows("NAME_OK"), Text("Zo"), PadButton(kPadA)});
  EXPECT_STREQ(aHighScores[5].name, "Zo");
}

// An input method's composition shows while it is composed and is not typed: only what the
// method commits joins the name, once; a composition left when the entry ends goes with it.
TEST_F(ScoreScreens, AComposedNameIsTypedOnlyWhenCommitted) {
  const auto compose = [](const char* utf8) {
    return Do([text = std::string(utf8)] {
      PlatformEvent e;
      e.kind = kEventComposing;
      std::snprintf(e.text, sizeof e.text, "%s", text.c_str());
      bQueueInput(e);
    });
  };
  PlayToTheTable(5500, {Wait(0).Shows("NAME_OK"), compose("\u306B\u307B"), compose("\u65E5\u672C").After(1),
                        Do([] { EXPECT_EQ(ComposingText(), "\u65E5\u672C"); }).After(1),
                        Text("\u65E5\u672C"), compose(""), compose("\u3055").After(1),
                        Do([] { EXPECT_EQ(ComposingText(), "\u3055"); }).After(1), Key(kKeyEnter)});
  EXPECT_STREQ(aHighScores[5].name, "\u65E5\u672C");
  EXPECT_EQ(ComposingText(), "");
}
}  // namespace
