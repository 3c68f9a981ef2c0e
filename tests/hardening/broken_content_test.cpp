// Damaged content on the player's disk: images missing from the pack or corrupted in it, sounds
// missing or broken, music files that are not music, pattern files cut short or full of noise,
// a score table of binary junk, a best-score file of the wrong length, a levels folder that
// cannot be written, and an archive missing altogether. The game must run on as its rules say
// (an empty image, a silent effect, a skipped pattern, defaults) or stop with a clear message
// and a failure code; it must never crash, hang or lose the stored best score.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "shell/sound_setup.h"
#include "play/board.h"
#include "play/deal.h"
#include "play/game_state.h"
#include "content/catalogue.h"
#include "gfx/game_resources.h"
#include "hardening_support.h"
#include "platform/audio.h"
#include "platform/virtual_clock.h"
#include "save/scores.h"
#include "game_harness.h"
#include "util/little_endian.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kIndex = "content/art/content.idx";
constexpr const char* kPack = "content/art/content.pak";

// What a short game through the real flow saw.
struct ShortGame {
  bool dealt = false;
  bool hintShown = false;
  int pairsTaken = 0;
  bool gameOver = false;
};

// Title, main menu, EASY; in the game a hint and one pair of the deal's solution, then the
// window closes. With `waitForGameOver` the player instead waits for the time to run out and the
// game-over screen to pass.
ShortGame PlayShortGame(GameHarness& h, bool waitForGameOver = false) {
  ShortGame seen;
  static const char* const kMenu[] = {"TITLE_SCREEN", "NEWGAME", "EASY"};
  int menuStep = 0, clicksDone = 0;
  bool hintPressed = false;
  h.RunGameThread(
      [&](uint32_t now) {
        if (h.Busy()) return true;
        if (menuStep < 3) {
          if (h.ZoneReady(kMenu[menuStep], now)) h.PressZone(kMenu[menuStep++]);
          return true;
        }
        if (waitForGameOver) {
          if (ZonePresent("TITLE_SCREEN") && !ZonePresent("GAME_LOOP")) {
            seen.gameOver = true;
            gs.bShutdown = 1;
            return false;
          }
          VirtualClockAdvance(99);
          return true;
        }
        if (TilesOnBoard() > 0) seen.dealt = true;
        if (!h.ZoneReady("GAME_LOOP", now, 300) || gs.iSolutionCount < 2) return true;
        seen.hintShown = seen.hintShown || gs.bHintShown;
        if (clicksDone == 2) {
          seen.pairsTaken = Board[gs.aiSolution[0]] == 0 && Board[gs.aiSolution[1]] == 0;
          gs.bShutdown = 1;
          return false;
        }
        VirtualClockAdvance(130);  // past the game's click guard
        if (!hintPressed) {
          hintPressed = true;
          h.PressZone("HINT", false, 1);
        } else {
          h.PressTile(gs.aiSolution[clicksDone++], 1);
        }
        return true;
      },
      10 * 60 * 1000);
  EXPECT_FALSE(h.timedOut) << "the short game got stuck";
  return seen;
}

// The sprites of images that the archive test damages, with a few that it leaves alone.
struct NamedSprite {
  const char* member;
  Sprite* sprite;
};
std::vector<NamedSprite> WatchedSprites() {
  GameResources& r = gResources;
  return {{"border.pcx", &r.border},         {"tile7.pcx", &r.tiles[7]},
          {"tileselect.pcx", &r.tileSelect}, {"gameover.pcx", &r.gameOver},
          {"title.pcx", &r.title},           {"shadow.pcx", &r.shadow},
          {"num3.pcx", &r.digits[3]},        {"helpbutton.pcx", &r.helpButton},
          {"messagebar.pcx", &r.messageBar}, {"hintangel2.pcx", &r.hintAngels[2]},
          {"gamescreen.pcx", &r.gameScreen}, {"tile8.pcx", &r.tiles[8]},
          {"num4.pcx", &r.digits[4]}};
}

// Writes a damaged copy of the archive: members removed from the index, replaced by noise,
// cut short, or given impossible picture sizes.
void DamageArchive(const std::string& goodIndexPath, const std::string& goodPackPath) {
  std::vector<IndexRecord> records = ReadIndex(goodIndexPath);
  std::string pack = ReadWholeFile(goodPackPath);
  auto member = [&](const char* name) -> IndexRecord& {
    int at = FindRecord(records, name);
    EXPECT_GE(at, 0) << name;
    return records[static_cast<size_t>(at)];
  };
  auto replace = [&](const char* name, const std::string& bytes) {
    IndexRecord& r = member(name);
    r.offset = static_cast<uint32_t>(pack.size());
    r.length = static_cast<uint32_t>(bytes.size());
    pack += bytes;
  };
  auto original = [&](const char* name) {
    IndexRecord& r = member(name);
    return pack.substr(r.offset, r.length);
  };

  for (const char* gone : {"border.pcx", "tile7.pcx"}) {
    int at = FindRecord(records, gone);
    ASSERT_GE(at, 0) << gone;
    records.erase(records.begin() + at);
  }
  replace("tileselect.pcx", Garbage(member("tileselect.pcx").length, 1));
  for (const char* name : {"gameover.pcx", "title.pcx"}) {
    std::string bytes = original(name);
    std::string noise = Garbage(bytes.size() - 128, 2);
    bytes.replace(128, noise.size(), noise);  // header kept, picture data noise
    replace(name, bytes);
  }
  member("shadow.pcx").length /= 2;
  member("num3.pcx").length = 10;
  member("helpbutton.pcx").length = 0;
  std::string huge = original("messagebar.pcx");
  WriteLe16(huge.data() + 8, 65535);
  WriteLe16(huge.data() + 10, 65535);
  replace("messagebar.pcx", huge);
  std::string inverted = original("hintangel2.pcx");
  WriteLe16(inverted.data() + 4, 500);
  WriteLe16(inverted.data() + 8, 10);
  replace("hintangel2.pcx", inverted);
  member("num4.pcx").offset = static_cast<uint32_t>(pack.size() + 1000);  // beyond the pack's end
  WriteIndex(kIndex, records);
  WriteWholeFile(kPack, pack);
}
}  // namespace

TEST(BrokenContent, DamagedImagesLoadEmptyOrWholeAndTheGameStillPlays) {
  GameHarness h;
  CopyBuiltLevels();
  ASSERT_TRUE(h.StartVideo());
  std::vector<NamedSprite> watched = WatchedSprites();
  std::vector<std::pair<int, int>> goodSizes;
  for (const NamedSprite& s : watched) {
    ASSERT_GT(s.sprite->width, 0) << s.member << " did not load from the good archive";
    goodSizes.push_back({s.sprite->width, s.sprite->height});
  }
  const std::string goodIndex = ReadWholeFile(kIndex), goodPack = ReadWholeFile(kPack);
  WriteWholeFile("good.idx", goodIndex);
  WriteWholeFile("good.pak", goodPack);
  DamageArchive("good.idx", "good.pak");

  vLoadBitmaps();
  EXPECT_STREQ(szContentError, "") << "damaged members must not stop loading";
  const std::string log = ReadWholeFile("graphics_debug.txt");
  EXPECT_EQ(Occurrences(log, "** FATAL ERROR** COULD NOT FIND FILE border.pcx\n"), 1);
  EXPECT_EQ(Occurrences(log, "** FATAL ERROR** COULD NOT FIND FILE tile7.pcx\n"), 1);
  EXPECT_EQ(Occurrences(log, "COULD NOT FIND FILE"), 2) << "members that are listed are found";
  for (size_t i = 0; i < watched.size(); ++i) {
    const Sprite& s = *watched[i].sprite;
    bool empty = s.width == 0 && s.height == 0 && s.pixels == nullptr;
    bool whole = s.width == goodSizes[i].first && s.height == goodSizes[i].second;
    EXPECT_TRUE(empty || whole) << watched[i].member << " is " << s.width << " x " << s.height;
  }
  for (const char* emptied : {"border.pcx", "tile7.pcx", "messagebar.pcx", "hintangel2.pcx",
                              "helpbutton.pcx", "num3.pcx", "num4.pcx"}) {
    for (const NamedSprite& s : watched) {
      if (std::strcmp(s.member, emptied) == 0) {
        EXPECT_EQ(s.sprite->width, 0) << emptied;
      }
    }
  }
  EXPECT_EQ(gResources.gameScreen.width, goodSizes[10].first) << "untouched images still load";

  // Every screen draws with the damaged images.
  ShortGame seen = PlayShortGame(h);
  EXPECT_TRUE(seen.dealt);
  EXPECT_TRUE(seen.hintShown);
  EXPECT_EQ(seen.pairsTaken, 1);

  // The good archive again, for whatever runs next in this process.
  WriteWholeFile(kIndex, goodIndex);
  WriteWholeFile(kPack, goodPack);
  vLoadBitmaps();
  EXPECT_EQ(gResources.border.width, goodSizes[0].first);
}

TEST(BrokenContent, MissingOrBrokenSoundsAreSilentAndPlayGoesOn) {
  GameHarness h;
  CopyBuiltLevels();
  ASSERT_TRUE(h.StartVideo());
  fs::remove("content/sound/hint.wav");
  WriteWholeFile("content/sound/goodmove.wav", Garbage(5000, 3));
  std::string wav = ReadWholeFile(BuiltContentDir() + "/sound/badmove.wav");
  ASSERT_GT(wav.size(), 100u);
  WriteWholeFile("content/sound/badmove.wav", wav.substr(0, 60));  // header, hardly any samples
  WriteWholeFile("content/sound/levelclear.wav", "");

  ASSERT_TRUE(bInitSound(nullptr));
  EXPECT_EQ(gSoundEffects.Play(hint), kSfxNoSegment);
  EXPECT_EQ(gSoundEffects.Play(goodmove), kSfxNoSegment);
  EXPECT_EQ(gSoundEffects.Play(levelclear), kSfxNoSegment);
  gSoundEffects.Play(badmove);  // silent or a click: either is fine
  EXPECT_EQ(gSoundEffects.Play(button_over), kSfxOk);
  EXPECT_EQ(gSoundEffects.Play(nomoves), kSfxOk);
  vStopAllEffects();

  // The game thread sets sound up again itself; a hint still shows and a pair is still taken.
  ShortGame seen = PlayShortGame(h);
  EXPECT_TRUE(seen.hintShown);
  EXPECT_EQ(seen.pairsTaken, 1);
}

TEST(BrokenContent, MusicThatIsNotMusicLeavesSilenceWithoutATightRetry) {
  GameHarness h;
  std::string mp3 = ReadWholeFile(BuiltContentDir() + "/sound/backmusic0.mp3");
  ASSERT_GT(mp3.size(), 4096u);
  const std::vector<std::pair<const char*, std::string>> kinds = {
      {"empty", ""},
      {"text", "this is not a piece of music\n"},
      {"noise", Garbage(20000, 4)},
      {"frame sync then noise", "\xFF\xFB\x90\x64" + Garbage(20000, 5)},
      {"tag then noise", "ID3\x04" + std::string(6, '\0') + Garbage(20000, 6)},
      {"a picture", ReadWholeFile(BuiltContentDir() + "/art/content.pak").substr(0, 30000)},
      {"cut short", mp3.substr(0, 600)},
  };
  for (const auto& [what, bytes] : kinds) {
    SCOPED_TRACE(what);
    for (int i = 0; i < 3; ++i)
      WriteWholeFile("content/sound/backmusic" + std::to_string(i) + ".mp3", bytes);
    if (FILE* f = std::fopen("debug.txt", "w")) std::fclose(f);
    bPlayTitleMusic();
    for (int pass = 1; pass <= 3000; ++pass) {
      VirtualClockAdvance(1);                   // the main loop pumps about once a millisecond
      if (pass % 50 == 0) PlatformMusicHalt();  // whatever did start has played out at once
      vPumpMusic();
      if (pass == 1000) vPauseMusic();
      if (pass == 1500) vResumeMusic();
    }
    // Within 3 seconds no second try: the retry waits 5 seconds.
    EXPECT_EQ(h.CountInTrace("[bPlayTitleMusic()] Song "), 1);
    vStopMusic();
  }
}

TEST(BrokenContent, PatternsCutShortOrFullOfNoiseAreDealtOrSkipped) {
  GameHarness h;
  // File 1: a valid layout cut off after its last tile; file 4: the same with bytes beyond 8960.
  const std::vector<TileAt> row = {{2, 6, 0}, {4, 6, 0}, {6, 6, 0}, {8, 6, 0}};
  WritePattern(0, row);
  WritePattern(1, row);
  const std::string full = ReadWholeFile("content/levels/level1.dat");
  WriteWholeFile("content/levels/level1.dat",
                 full.substr(0, static_cast<size_t>(CellOf(row.back())) * 4 + 1));
  WriteWholeFile("content/levels/level2.dat", Garbage(8960, 7));
  WriteWholeFile("content/levels/level3.dat", Garbage(100, 8));
  WriteWholeFile("content/levels/level4.dat", full + Garbage(40, 9));
  WriteWholeFile("content/levels/level5.dat", "");  // empty: the list starts again from file 0

  gs.iLevelFile = 0;
  std::vector<int> tilesDealt;
  for (int deal = 0; deal < 4; ++deal) {
    vLoadNextLevel();
    ASSERT_EQ(gs.bNoPlayableLevel, 0);
    tilesDealt.push_back(TilesOnBoard());
    EXPECT_EQ(gs.iSolutionCount, TilesOnBoard());
  }
  EXPECT_EQ(tilesDealt, (std::vector<int>{4, 4, 4, 4}));
  EXPECT_EQ(gs.iLevelFile, 1) << "file 0 again after the last";
  const std::string trace = h.Trace();
  EXPECT_EQ(Occurrences(trace, "Loading content\\levels\\level1.dat\n"), 1);
  EXPECT_EQ(Occurrences(trace, "Loading content\\levels\\level4.dat\n"), 1);
  EXPECT_EQ(Occurrences(trace, "** INVALID PATTERN content\\levels\\level2.dat"), 1);
  EXPECT_EQ(Occurrences(trace, "** INVALID PATTERN content\\levels\\level3.dat"), 1);
  EXPECT_EQ(Occurrences(trace, "** NO TILES FOUND IN PATTERN\n"), 1);
  EXPECT_EQ(Occurrences(trace, "TOTAL COUNT && AUTO COUNT NOT EQUAL"), 0);
}

TEST(BrokenContent, NoPatternThatCanBeDealtStopsTheGameWithAMessage) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  WriteWholeFile("content/levels/level0.dat", Garbage(8960, 10));
  WriteWholeFile("content/levels/level1.dat", Garbage(3000, 11));
  static const char* const kMenu[] = {"TITLE_SCREEN", "NEWGAME", "EASY"};
  int menuStep = 0;
  h.RunGameThread(
      [&](uint32_t now) {
        if (!h.Busy() && menuStep < 3 && h.ZoneReady(kMenu[menuStep], now))
          h.PressZone(kMenu[menuStep++]);
        return true;
      },
      5 * 60 * 1000);
  EXPECT_FALSE(h.timedOut) << "the game thread must end by itself";
  EXPECT_EQ(gs.bQuitGame.load(), 1);
  EXPECT_NE(FatalErrorText().find("content\\levels"), std::string::npos) << FatalErrorText();
}

TEST(BrokenContent, ScoreTableOfBinaryJunkLoadsTerminatedNames) {
  ScopedTempCwd cwd;
  const std::vector<std::string> junk = {
      Garbage(5000, 12),
      std::string(10000, 'x'),
      std::string("\0\0\0\n\0\n", 6) + Garbage(300, 13) + "\n",
      std::string(50, '\n'),
      "\xFF\xFE\n-99999999999999999999\n\n+\n",
  };
  for (const std::string& bytes : junk) {
    WriteWholeFile("content/levels/scores.txt", bytes);
    vLoadHighScores();
    for (const HighScoreEntry& e : aHighScores) {
      EXPECT_LT(strnlen(e.name, sizeof e.name), sizeof e.name) << "a name lost its terminator";
    }
  }
  EXPECT_EQ(aHighScores[0].score, INT32_MIN) << "a score beyond 32 bits is clamped";
  EXPECT_EQ(aHighScores[1].score, 0);
}

TEST(BrokenContent, BestScoreFileOfTheWrongLengthIsNeverLost) {
  ScopedTempCwd cwd;
  struct Case {
    std::string bytes;
    int32_t expectLoaded;
  };
  const std::string le70000("\x70\x11\x01\x00", 4);
  const Case cases[] = {{"", 0}, {le70000.substr(0, 3), 70000}, {le70000 + "\xAB", 70000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes.size());
    WriteWholeFile("content/levels/scr.dat", c.bytes);
    gs.iBestScore = 0;
    vLoadBestScore(gs.iBestScore);
    EXPECT_EQ(gs.iBestScore, c.expectLoaded);
    EXPECT_EQ(ReadWholeFile("content/levels/scr.dat"), c.bytes) << "reading never rewrites";

    gs.iShownScore = c.expectLoaded - 1;  // lower than the stored best: nothing is written
    vSaveBestScore(gs.iShownScore, gs.iBestScore);
    if (c.expectLoaded > 0) {
      EXPECT_EQ(ReadWholeFile("content/levels/scr.dat"), c.bytes);
    }

    gs.iShownScore = 90000;  // a new best replaces the file whole
    vSaveBestScore(gs.iShownScore, gs.iBestScore);
    EXPECT_EQ(StoredBest(), 90000);
  }
}

TEST(BrokenContent, GameOverKeepsAHigherBestStoredInAFileTooLong) {
  GameHarness h;
  CopyBuiltLevels();
  ASSERT_TRUE(h.StartVideo());
  const std::string stored = std::string("\x70\x11\x01\x00", 4) + "junk";
  WriteWholeFile("content/levels/scr.dat", stored);
  ShortGame seen = PlayShortGame(h, true);
  EXPECT_TRUE(seen.gameOver);
  EXPECT_EQ(gs.iBestScore, 70000);
  EXPECT_EQ(ReadWholeFile("content/levels/scr.dat"), stored);
}

// Saving into a read-only levels folder, as a user whom the permissions stop.
static void vSaveIntoReadOnlyLevels() {
  WriteStoredBest(9000);
  // Read-only from here on; writable again at the end, however the checks end.
  struct ReadOnly {
    ReadOnly() { EXPECT_EQ(chmod("content/levels", 0555), 0); }
    ~ReadOnly() { chmod("content/levels", 0755); }
  };
  {
    ReadOnly locked;
    gs.iBestScore = 0;
    vLoadBestScore(gs.iBestScore);
    EXPECT_EQ(gs.iBestScore, 9000);
    gs.iShownScore = 12000;
    vSaveBestScore(gs.iShownScore, gs.iBestScore);  // cannot be written: skipped silently
    EXPECT_EQ(StoredBest(), 9000);
    EXPECT_FALSE(fs::exists("content/levels/scr.dat.tmp"));
  }
  fs::remove("content/levels/scr.dat");
  {
    ReadOnly locked;
    vLoadBestScore(gs.iBestScore);  // cannot create the file: nothing happens
    EXPECT_FALSE(fs::exists("content/levels/scr.dat"));
    vSaveBestScore(gs.iShownScore, gs.iBestScore);
    EXPECT_FALSE(fs::exists("content/levels/scr.dat"));
  }
}

TEST(BrokenContent, LevelsFolderThatCannotBeWrittenKeepsTheStoredBest) {
  ScopedTempCwd cwd;
  if (geteuid() != 0) {
    vSaveIntoReadOnlyLevels();
    return;
  }
  // Root writes through folder permissions, so the checks run in a child that has become an
  // unprivileged user (nobody), in a folder that user owns.
  fs::create_directories("content/levels");
  ASSERT_EQ(chown(cwd.path().c_str(), 65534, 65534), 0);
  for (const auto& entry : fs::recursive_directory_iterator(cwd.path())) {
    ASSERT_EQ(chown(entry.path().c_str(), 65534, 65534), 0);
  }
  ASSERT_EQ(chmod(cwd.path().c_str(), 0755), 0);
  EXPECT_EXIT(
      {
        if (setgid(65534) != 0 || setuid(65534) != 0) std::exit(3);
        vSaveIntoReadOnlyLevels();
        std::exit(::testing::Test::HasFailure() ? 1 : 0);
      },
      ::testing::ExitedWithCode(0), "");
}

// The real program, run headless from a copy of the game folder.
class GameBinary : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(BuiltGameDir() + "/tavimora", cwd_.path() + "/tavimora");
    fs::copy(BuiltContentDir(), cwd_.path() + "/content", fs::copy_options::recursive);
    fs::remove(cwd_.path() + "/content/levels/scr.dat");
  }
  ScopedTempCwd cwd_;
};

TEST_F(GameBinary, MissingArchiveEndsAtOnceNamingTheFile) {
  for (const char* missing : {"content.idx", "content.pak"}) {
    SCOPED_TRACE(missing);
    const std::string path = cwd_.path() + "/content/art/" + missing;
    fs::rename(path, path + ".away");
    GameRun run = RunGameBinary(cwd_.path(), kSanitizedBuild ? 30 : 10);
    EXPECT_TRUE(run.exited) << "still running after " << run.seconds << " s";
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.signal, 0);
    EXPECT_NE(run.stderrText.find(missing), std::string::npos) << run.stderrText;
    fs::rename(path + ".away", path);
  }
}

TEST_F(GameBinary, ShortPatternListOrMissingMusicStillStarts) {
  const std::string levels = cwd_.path() + "/content/levels/";
  for (int i = 2; fs::exists(levels + "level" + std::to_string(i) + ".dat"); ++i) {
    fs::remove(levels + "level" + std::to_string(i) + ".dat");
  }
  std::string one = ReadWholeFile(levels + "level1.dat");
  WriteWholeFile(levels + "level1.dat", one.substr(0, one.size() / 3));
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "two patterns, the second cut short" : "and no music");
    GameRun run = RunGameBinary(cwd_.path(), kSanitizedBuild ? 4 : 1.5);
    EXPECT_TRUE(run.stillRunning) << "ended with " << run.exitCode << ": " << run.stderrText;
    for (int i = 0; i < 3; ++i)
      fs::remove(cwd_.path() + "/content/sound/backmusic" + std::to_string(i) + ".mp3");
  }
}
