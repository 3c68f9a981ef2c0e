#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "content/catalogue.h"
#include "content_fixture.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "content/video_setup.h"

namespace {
// Every image the game loads, in the order of the image table (start-up loads the title first).
std::vector<std::string> GameImageNames() {
  std::vector<std::string> names = {
      "gamescreen", "title",       "clicktocontinue", "menubar",      "gamehelp",
      "gameover",   "areyousure",  "choosediff",      "nomoremoves",  "levelclearbonus",
      "shadow",     "timerunningout", "helpbutton"};
  for (int i = 0; i < 4; ++i) names.push_back("hintangel" + std::to_string(i));
  for (const char* n : {"border", "tileselect", "tileblock", "redtick", "yellowtick", "greentick",
                        "emptytick", "messagebar", "messagebar2"}) {
    names.push_back(n);
  }
  for (int i = 0; i < 29; ++i) names.push_back("tile" + std::to_string(i));
  for (int i = 0; i < 8; ++i) names.push_back("patterntile" + std::to_string(i));
  for (int i = 0; i < 11; ++i) names.push_back("num" + std::to_string(i));
  for (const char* n : {"scorepanel", "scoresbutton", "okbutton", "leavegame", "optionsbutton",
                        "optionspanel", "pausedoptions", "notepanel"}) {
    names.push_back(n);
  }
  for (int i = 0; i < 192; ++i) names.push_back("glyph" + std::to_string(i));
  return names;
}

// Image i is (2 + i % 7) x (1 + i % 5) pixels, so each sprite can be told by its size.
int WidthOf(int i) { return 2 + i % 7; }
int HeightOf(int i) { return 1 + i % 5; }

std::vector<Member> GameArchive(const std::string& leaveOut = "") {
  std::vector<Member> members;
  std::vector<std::string> names = GameImageNames();
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == leaveOut) continue;
    members.push_back({names[i] + ".pcx", SolidPcx(WidthOf(int(i)), HeightOf(int(i)), 0x406080)});
  }
  return members;
}


class CatalogueTest : public ContentTestBase, public ::testing::Test {
 protected:
  void SetUp() override { StartFrames(32); }
  void TearDown() override {
    StopFrames();
    vSetDebugTrace(false);
  }
};

TEST_F(CatalogueTest, IndexRecordsAreReadUntilTheOffsetRunsOut) {
  std::vector<IndexRecord> records = WriteArchive({{"a.pcx", SolidPcx(2, 2, 0xFF)}});
  std::string partial;
  AppendLe32(partial, 1234);
  partial += "half";  // the name cut short, no length
  WriteIndex(records, partial);
  vLoadBitmaps();
  ASSERT_EQ(gCatalogue.count, 2);
  EXPECT_STREQ(gCatalogue.entries[0].name, "a.pcx");
  EXPECT_EQ(gCatalogue.entries[1].offset, 1234u);
  EXPECT_STREQ(gCatalogue.entries[1].name, "half");
  EXPECT_EQ(gCatalogue.entries[1].length, 0u);
  EXPECT_STREQ(gCatalogue.artDir, "content\\art\\");
  EXPECT_STREQ(gCatalogue.packPath, "content\\art\\content.pak");

  std::string offsetOnly;
  AppendLe32(offsetOnly, 77);
  WriteIndex(records, offsetOnly);
  vLoadBitmaps();
  ASSERT_EQ(gCatalogue.count, 2);
  EXPECT_EQ(gCatalogue.entries[1].offset, 77u);
  EXPECT_STREQ(gCatalogue.entries[1].name, "");

  WriteIndex(records, std::string("\x01\x02", 2));  // not even the offset: nothing stored
  vLoadBitmaps();
  EXPECT_EQ(gCatalogue.count, 1);
  EXPECT_EQ(szContentError[0], '\0');
}

TEST_F(CatalogueTest, NameWithoutItsNulIsCutAt255Characters) {
  std::string stem(251, 'a');
  std::string pcx = SolidPcx(3, 2, 0xFF0000);
  WriteWholeFile("content/art/content.pak", pcx);
  WriteIndex({{0, stem + ".pcxZ", uint32_t(pcx.size())}});  // 256 bytes, no NUL
  vLoadBitmaps();
  ASSERT_EQ(gCatalogue.count, 1);
  EXPECT_EQ(std::string(gCatalogue.entries[0].name), stem + ".pcx");
  Sprite sprite;
  LoadFrom(sprite, &gCatalogue, stem.c_str());
  EXPECT_EQ(sprite.width, 3);
}

TEST_F(CatalogueTest, AtMostAThousandEntriesAreKept) {
  std::vector<IndexRecord> records;
  for (uint32_t i = 0; i < 1005; ++i) records.push_back({i, (std::string("n") += std::to_string(i)) += ".pcx", 1});
  WriteWholeFile("content/art/content.pak", std::string(2000, '\0'));
  WriteIndex(records);
  vLoadBitmaps();
  EXPECT_EQ(gCatalogue.count, kCatalogueEntries);
  EXPECT_STREQ(gCatalogue.entries[kCatalogueEntries - 1].name, "n999.pcx");
}

TEST_F(CatalogueTest, VideoSetUpLoadsEveryImageAtTheBuffersDepth) {
  WriteArchive(GameArchive());
  vSetDebugTrace(true);
  ASSERT_TRUE(bInitVideo(nullptr));
  EXPECT_EQ(iColorDepth, gFrameStack.Depth());
  EXPECT_GE(gResources.iFrameVB, 0);
  EXPECT_NE(gResources.iFrameVB, gFrameStack.screenSlot);
  EXPECT_EQ(GetActiveBuffer(), -1);
  EXPECT_EQ(szContentError[0], '\0');
  EXPECT_FALSE(std::filesystem::exists("graphics_debug.txt"));

  GameResources& r = gResources;
  const Sprite* inOrder[] = {&r.gameScreen, &r.title, &r.clickToContinue, &r.menuBar,
                             &r.gameHelp, &r.gameOver, &r.areYouSure, &r.chooseDifficulty,
                             &r.noMoreMoves, &r.levelClearBonus, &r.shadow, &r.timeRunningOut,
                             &r.helpButton, &r.hintAngels[0], &r.hintAngels[1], &r.hintAngels[2],
                             &r.hintAngels[3], &r.border, &r.tileSelect, &r.tileBlock[0],
                             &r.ticks[kRedTick], &r.ticks[kYellowTick], &r.ticks[kGreenTick],
                             &r.ticks[kEmptyTick], &r.messageBar, &r.messageBar2};
  int i = 0;
  for (const Sprite* s : inOrder) {
    EXPECT_EQ(s->width, WidthOf(i)) << GameImageNames()[i];
    EXPECT_EQ(s->height, HeightOf(i)) << GameImageNames()[i];
    EXPECT_EQ(s->depth, iColorDepth);
    EXPECT_EQ(s->transparent, i >= 10 ? 1 : 0) << GameImageNames()[i];
    ++i;
  }
  for (const Sprite& s : r.tiles) {
    if (&s - r.tiles >= kTileFaces) break;
    EXPECT_EQ(s.width, WidthOf(i++));
  }
  for (const Sprite& s : r.patternTiles) EXPECT_EQ(s.width, WidthOf(i++));
  for (const Sprite& s : r.digits) EXPECT_EQ(s.width, WidthOf(i++));
  for (const Sprite* s : {&r.scorePanel, &r.scoresButton, &r.okButton, &r.leaveGame,
                          &r.optionsButton, &r.optionsPanel, &r.pausedOptions, &r.notePanel}) {
    EXPECT_EQ(s->width, WidthOf(i++));
  }
  for (const Sprite& s : r.glyphs) EXPECT_EQ(s.width, WidthOf(i++));
  EXPECT_EQ(r.tileBlock[1].width, 0);
  EXPECT_EQ(r.tileBlock[1].pixels, nullptr);
  EXPECT_EQ(iTileCount, 29);
  EXPECT_EQ(Shown(r.gameScreen, 1, 0), Stored(0x406080));

  std::string trace = ReadWholeFile("debug.txt");
  EXPECT_NE(trace.find("Depth = 32\n"
                       "vLoadBitmaps() Loading Bitmaps\n"
                       "vLoadBitmaps() Read in 274 Index Entries\n"
                       "vLoadTileSet() BEGIN\n"
                       "vLoadTileSet() Loading 29 tiles\n"
                       "vLoadTileSet() Loading pattern tiles\n"
                       "vLoadTileSet() END\n"),
            std::string::npos)
      << trace;
}

// Start-up opens the window with the title as soon as it is loaded, before the other images.
TEST_F(CatalogueTest, StartUpIsToldOnceWhenTheTitleIsLoadedAndBeforeTheRest) {
  WriteArchive(GameArchive());
  gResources.gameScreen.Resize(0, 0);
  static int calls, titleWidth, gameScreenWidth;
  calls = titleWidth = gameScreenWidth = 0;
  ASSERT_TRUE(bInitVideo(nullptr, [] {
    ++calls;
    titleWidth = gResources.title.width;
    gameScreenWidth = gResources.gameScreen.width;
  }));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(titleWidth, WidthOf(1));
  EXPECT_EQ(gameScreenWidth, 0);
  EXPECT_EQ(gResources.gameScreen.width, WidthOf(0));
}

TEST_F(CatalogueTest, AMissingImageIsLoggedOnceAndLoadingGoesOn) {
  WriteArchive(GameArchive("messagebar2"));
  ASSERT_TRUE(bInitVideo(nullptr));
  EXPECT_EQ(GraphicsTrace(), "** FATAL ERROR** COULD NOT FIND FILE messagebar2.pcx\n");
  EXPECT_EQ(gResources.messageBar2.width, 0);
  EXPECT_EQ(gResources.digits[10].width, WidthOf(73));
}

TEST_F(CatalogueTest, UnreadableArchiveStopsVideoSetUpWithAMessageNamingTheFile) {
  const std::string here = std::filesystem::current_path().string();
  ASSERT_FALSE(bInitVideo(nullptr));  // no index at all
  EXPECT_EQ(szContentError, "Cannot open " + here + "/content/art/content.idx. Please reinstall the game.");

  WriteArchive(GameArchive());
  std::filesystem::remove("content/art/content.pak");
  ASSERT_FALSE(bInitVideo(nullptr));
  EXPECT_EQ(szContentError, "Cannot open " + here + "/content/art/content.pak. Please reinstall the game.");
  // Loading stopped at the first image: nothing went on to be reported missing.
  EXPECT_FALSE(std::filesystem::exists("graphics_debug.txt"));
}

// A switch whose archive cannot be read any more stops, and every picture stays as it was:
// the title too, which the menus draw their background with.
TEST_F(CatalogueTest, ASwitchThatCannotReadTheArchiveKeepsThePicturesItHad) {
  WriteArchive(GameArchive());
  WriteWholeFile("content/art/xx/content.idx", EncodeRecord({0, "title.pcx", 100}));  // no pack
  ASSERT_TRUE(bInitVideo(nullptr));
  ASSERT_TRUE(bUseLanguage("xx"));
  vLoadBitmaps();
  EXPECT_NE(std::string(szContentError).find("/content/art/xx/content.pak"), std::string::npos);
  EXPECT_EQ(gResources.title.width, WidthOf(1));
  EXPECT_EQ(Shown(gResources.title, 1, 0), Stored(0x406080));
  EXPECT_EQ(gResources.menuBar.width, WidthOf(3));
  bUseLanguage("");
}

// Each screen's background that is not in the archive covers the whole frame in black, so the
// screen shown before it never stays in view.
TEST_F(CatalogueTest, ABackgroundThatCannotBeLoadedIsBlack) {
  GameResources& r = gResources;
  const std::pair<const char*, Sprite*> backgrounds[] = {
      {"title", &r.title}, {"gamescreen", &r.gameScreen}, {"gamehelp", &r.gameHelp}};
  for (const auto& [name, sprite] : backgrounds) {
    WriteArchive(GameArchive(name));
    ASSERT_TRUE(bInitVideo(nullptr));
    ASSERT_EQ(sprite->width, kFrameWidth) << name;
    ASSERT_EQ(sprite->height, kFrameHeight) << name;
    gFrameStack.Select(frame);
    SetColor(MakeColor(255, 255, 255));
    PutPixel(kFrameWidth - 1, kFrameHeight - 1);
    sprite->Draw(0, 0);
    EXPECT_EQ(GetPixel(kFrameWidth - 1, kFrameHeight - 1), 0u) << name;
    DeactivateBuffers();
  }
}

}  // namespace

// A language's archive beside the English one: it replaces the pictures it holds, one broken
// member falls back to the English picture, and a language without an archive is refused.
TEST_F(CatalogueTest, ALanguagesPicturesReplaceTheEnglishOnesItHolds) {
  WriteArchive(GameArchive());
  const std::string okButton = SolidPcx(11, 3, 0x208040);
  const std::string menuBar = "not a picture";
  WriteWholeFile("content/art/xx/content.pak", okButton + menuBar);
  WriteWholeFile("content/art/xx/content.idx",
                 EncodeRecord({0, "okbutton.pcx", uint32_t(okButton.size())}) +
                     EncodeRecord({uint32_t(okButton.size()), "menubar.pcx", uint32_t(menuBar.size())}));
  EXPECT_FALSE(bUseLanguage("yy"));
  ASSERT_TRUE(bUseLanguage("xx"));
  EXPECT_FALSE(bUseLanguage("yy"));
  EXPECT_STREQ(szLanguageInUse(), "xx");
  ASSERT_TRUE(bInitVideo(nullptr));
  EXPECT_STREQ(szContentError, "");
  EXPECT_EQ(gResources.okButton.width, 11);
  EXPECT_EQ(gResources.okButton.height, 3);
  const std::vector<std::string> names = GameImageNames();
  const int menuBarIndex = int(std::find(names.begin(), names.end(), "menubar") - names.begin());
  EXPECT_EQ(gResources.menuBar.width, WidthOf(menuBarIndex));
  EXPECT_EQ(gResources.menuBar.height, HeightOf(menuBarIndex));
  const int titleIndex = int(std::find(names.begin(), names.end(), "title") - names.begin());
  EXPECT_EQ(gResources.title.width, WidthOf(titleIndex));

  ASSERT_TRUE(bUseLanguage(""));
  EXPECT_STREQ(szLanguageInUse(), "");
  vLoadBitmaps();
  const int okIndex = int(std::find(names.begin(), names.end(), "okbutton") - names.begin());
  EXPECT_EQ(gResources.okButton.width, WidthOf(okIndex));
}
