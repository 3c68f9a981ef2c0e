#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "diag/debug_log.h"
#include "support/temp_dir.h"

TEST(DebugLog, SilentTraceTouchesNoFile) {
  ScopedTempCwd cwd;
  vSetDebugTrace(false);
  vDebugLog("vStartNewGame() BEGIN\n");
  EXPECT_FALSE(std::ifstream("debug.txt").good());
}

TEST(DebugLog, LinesAppendVerbatimAcrossRuns) {
  ScopedTempCwd cwd;
  vSetDebugTrace(true);
  vDebugLog("Depth = %d\n", 32);
  vDebugLog("vLoadNextLevel() Loading %s\n", "content\\levels\\level0.dat");
  // A second "run" appends to the same file.
  vDebugLog("Depth = %d\n", 24);
  vSetDebugTrace(false);
  EXPECT_EQ(ReadWholeFile("debug.txt"),
            "Depth = 32\nvLoadNextLevel() Loading content\\levels\\level0.dat\nDepth = 24\n");
}

TEST(DebugLog, GraphicsTraceIsAlwaysOnAndKeepsPercentSigns) {
  ScopedTempCwd cwd;
  vSetDebugTrace(false);
  EXPECT_FALSE(std::ifstream("graphics_debug.txt").good());
  GraphicsDebugLog("** FATAL ERROR** COULD NOT FIND FILE %s\n", "100%s.pcx");
  EXPECT_EQ(ReadWholeFile("graphics_debug.txt"), "** FATAL ERROR** COULD NOT FIND FILE 100%s.pcx\n");
}

TEST(DebugLog, OverlongLineIsCutNotOverrun) {
  ScopedTempCwd cwd;
  std::string big(40000, 'x');
  GraphicsDebugLog("%s\n", big.c_str());
  EXPECT_EQ(ReadWholeFile("graphics_debug.txt").size(), 32767u);
}

// A line that cannot be written is dropped, not kept back: once the file can be written again,
// the next line is all it holds.
TEST(DebugLog, UnwritableFileDropsTheLineAndTheNextOneGoesThrough) {
  ScopedTempCwd cwd;
  std::filesystem::create_directory("graphics_debug.txt");  // a folder where the file should be
  GraphicsDebugLog("lost\n");
  EXPECT_TRUE(std::filesystem::is_empty("graphics_debug.txt"));
  std::filesystem::remove("graphics_debug.txt");
  GraphicsDebugLog("kept\n");
  EXPECT_EQ(ReadWholeFile("graphics_debug.txt"), "kept\n");
}
