// The table of controls (src/play/controls.cpp): a key given to a command, kept in settings.txt
// and read back, a key another command had, the keys that never move, and the controls page on
// which a player gives a line keys of their own.
#include <gtest/gtest.h>

#include <string>

#include "game_harness.h"
#include "temp_dir.h"
#include "platform/window.h"
#include "play/controls.h"
#include "play/input.h"
#include "play/notes.h"
#include "platform/clock.h"
#include "play/options.h"
#include "player_script.h"
#include "save/settings.h"

namespace {
// Every control back on its shipped key, in the settings and the file, for the next test.
struct ShippedKeysAfter {
  ~ShippedKeysAfter() {
    RestoreShippedKeys();
    vFlushSettings();
  }
};

PlatformEvent KeyDown(int key) {
  PlatformEvent e;
  e.kind = key >= kPadA ? kEventPadButton : kEventKey;
  e.key = key;
  return e;
}

TEST(Controls, AKeyGivenIsKeptInTheSettingsFileAndReadBack) {
  GameHarness h;
  ShippedKeysAfter restore;
  vForgetSettings();
  ASSERT_TRUE(GiveKey('h', 'j').given);
  ASSERT_TRUE(GiveKey(kPadX, kPadLeftShoulder).given);
  vFlushSettings();
  bool clean = false;
  const Settings kept = ParseSettings(ReadWholeFile("content/levels/settings.txt"), clean);
  EXPECT_TRUE(clean);
  const std::vector<std::pair<int, int>> pairs = {
      {'h', 'j'}, {kPadX, kPadLeftShoulder}, {kPadLeftShoulder, kPadX}};
  EXPECT_EQ(kept.keys, pairs);
  vForgetSettings();  // as the next start reads it
  EXPECT_EQ(CommandOf('j'), Command::kHint);
  EXPECT_EQ(CommandOf('h'), Command::kNone);
  EXPECT_EQ(CommandOf(kPadLeftShoulder), Command::kHint);
  EXPECT_EQ(CommandOf(kPadX), Command::kVolumeDown);
}

TEST(Controls, AFileWithoutKeysOrWithBrokenOnesGivesTheShippedTable) {
  GameHarness h;
  for (const char* file : {"music=off\n", "keys=h>j\n", "keys=104>106,\n", "keys=0>5\n"}) {
    SCOPED_TRACE(file);
    WriteWholeFile("content/levels/settings.txt", file);
    vForgetSettings();
    EXPECT_EQ(CommandOf('h'), Command::kHint);
    EXPECT_EQ(CommandOf('j'), Command::kNone);
  }
}

TEST(Controls, AKeyHoldsOneCommandAndBackNeverMoves) {
  struct Case {
    const char* name;
    int oldKey, newKey;
    bool given;
    Command tradedWith;
    Command newKeyDoes, oldKeyDoes;  // afterwards
  };
  const Case cases[] = {
      {"a free key", 'h', 'j', true, Command::kNone, Command::kHint, Command::kNone},
      {"another command's key: swapped", 'h', 'p', true, Command::kPause, Command::kHint,
       Command::kPause},
      {"a pad button's", kPadX, kPadA, true, Command::kChoose, Command::kHint, Command::kChoose},
      {"a sound key's", 'h', 'm', true, Command::kMusic, Command::kHint, Command::kMusic},
      {"Escape given away", kKeyEscape, 'q', false, Command::kNone, Command::kNone, Command::kBack},
      {"Escape taken", 'h', kKeyEscape, false, Command::kNone, Command::kBack, Command::kHint},
      {"pad B taken", kPadX, kPadB, false, Command::kNone, Command::kBack, Command::kHint},
      {"a pad button for a key", 'h', kPadY, false, Command::kNone, Command::kHelp, Command::kHint},
      {"a key without a code", 'h', kKeyOther, false, Command::kNone, Command::kNone, Command::kHint},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameHarness h;
    ShippedKeysAfter restore;
    vForgetSettings();
    const KeyChange change = GiveKey(c.oldKey, c.newKey);
    EXPECT_EQ(change.given, c.given);
    EXPECT_EQ(change.tradedWith, c.tradedWith);
    if (c.newKey != kKeyOther) {
      EXPECT_EQ(CommandOf(c.newKey), c.newKeyDoes);
    }
    EXPECT_EQ(CommandOf(c.oldKey), c.oldKeyDoes);
  }
}

TEST(Controls, AMovedSoundKeyActsOnTheMainThreadAndTheOldOneNoLonger) {
  GameHarness h;
  ShippedKeysAfter restore;
  vForgetSettings();
  ASSERT_TRUE(GiveKey('m', 'j').given);
  EXPECT_EQ(MainThreadCommandOf(KeyDown('j')), Command::kMusic);
  EXPECT_EQ(MainThreadCommandOf(KeyDown('m')), Command::kNone);
  ASSERT_TRUE(GiveKey(kKeyF11, 'g').given);
  EXPECT_EQ(MainThreadCommandOf(KeyDown('g')), Command::kFullScreen);
  EXPECT_EQ(MainThreadCommandOf(KeyDown(kKeyF11)), Command::kNone);
}

// On the controls page Down lights the first line, Enter asks for its new key and J becomes it,
// shown on the page at once; then J chooses the hint's line, whose P is taken from the pause,
// which gets H in exchange, and the note says so. Escape still closes the page.
TEST(Controls, ThePageGivesALineTheKeyThePlayerPresses) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  ShippedKeysAfter restore;
  vForgetSettings();
  bool closed = false;
  PlayScript(h,
             [&] {
               vControlsScreen();
               closed = true;
             },
             {Wait(300), Key(kKeyDown), Key(kKeyEnter).After(50), Key('j').After(50),
              Do([] { EXPECT_EQ(ControlsLines()[0].keys, "J, Space, pad A"); }).After(50),
              Key(kKeyDown), Key(kKeyDown).After(50), Key('j').After(50), Key('p').After(50),
              Do([] { EXPECT_EQ(ShortNote(timeGetTime()), "Swapped with: pause"); }).After(50),
              Escape()});
  EXPECT_TRUE(closed);
  EXPECT_EQ(CommandOf('j'), Command::kChoose);
  EXPECT_EQ(CommandOf(kKeyEnter), Command::kNone);
  EXPECT_EQ(CommandOf('p'), Command::kHint);
  EXPECT_EQ(CommandOf('h'), Command::kPause);
}
}  // namespace
