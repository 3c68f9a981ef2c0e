// The status part of the playing screen: the centred numbers, the hints left, the best score
// that follows the score, and the time bar with its blinking warning.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play/game_state.h"
#include "play/time_bar.h"
#include "platform/clock.h"
#include "render_fixture.h"
#include "play/playing_screen.h"
#include "screens/render.h"
#include "screens/screen_layout.h"

using namespace render_colours;

namespace {
// One stretch of a single colour along a pixel row.
struct Stretch {
  uint32_t colour;
  int x, length;
  bool operator==(const Stretch&) const = default;
};

void PrintTo(const Stretch& r, std::ostream* os) {
  *os << std::hex << r.colour << std::dec << "@" << r.x << "+" << r.length;
}

class StatusRenderTest : public RenderTest {
 protected:
  // The glyph runs on row y between x0 and x1, background left out.
  static std::vector<Stretch> Glyphs(int y, int x0, int x1) {
    std::vector<Stretch> runs;
    for (int x = x0; x < x1; ++x) {
      uint32_t c = At(x, y);
      if (c == kBackground) continue;
      if (!runs.empty() && runs.back().colour == c && runs.back().x + runs.back().length == x) {
        ++runs.back().length;
      } else {
        runs.push_back({c, x, 1});
      }
    }
    return runs;
  }
  // The runs the digits of `text` give from x on.
  static std::vector<Stretch> Expected(const std::vector<int>& digits, int x) {
    std::vector<Stretch> runs;
    for (int d : digits) {
      runs.push_back({DigitColour(d), x, kDigitWidth[d]});
      x += kDigitWidth[d];
    }
    return runs;
  }
  static std::vector<Stretch> Shifted(std::vector<Stretch> runs, int by) {
    for (Stretch& r : runs) r.x += by;
    return runs;
  }
  void Clear() { PaintRect(0, 0, kFrameWidth, 100, kBackground); }
  static uint32_t TickAt(int cell) { return At(17 * (cell % 4) + 8, 17 * (cell / 4) + 8); }
  static bool WarningShown() { return At(10, 12) == kWarning; }
};

// A frame in which only the indicators changed is drawn again in their areas alone; it must end
// up the same as a frame drawn whole: numbers growing and shrinking, the bar, the warning, the
// hints left, with tiles on the board.
TEST_F(StatusRenderTest, RedrawingOnlyTheChangedIndicatorsGivesTheWholeFrame) {
  auto frame = [] {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < kFrameHeight; ++y)
      for (int x = 0; x < kFrameWidth; ++x) pixels.push_back(At(x, y));
    return pixels;
  };
  Place(0, 0, 0, 1);
  Place(10, 2, 1, 2);
  gs.iTimeTicks = 120;
  gs.iShownScore = 4215;
  gs.iBestScore = 987654;
  gs.iLevel = 9;
  gs.iHintsLeft = 3;
  GameScreenPicture was, now;
  TakePicture(gs, Board, was);
  DrawGameScreen(gs, Board);
  const auto change = [&](int ticks, uint8_t warning, int32_t score, int32_t best, int32_t level,
                          int32_t hints) {
    gs.iTimeTicks = ticks;
    gs.bTimeWarning = warning;
    gs.iShownScore = score;
    gs.iBestScore = best;
    gs.iLevel = level;
    gs.iHintsLeft = hints;
    TakePicture(gs, Board, now);
    std::vector<screen::Rect> areas = IndicatorAreas(was, now);
    ASSERT_FALSE(areas.empty());
    DrawGameScreenIn(gs, Board, areas);
    const std::vector<uint32_t> redrawn = frame();
    DrawGameScreen(gs, Board);
    const std::vector<uint32_t> whole = frame();
    size_t i = 0;
    while (i < whole.size() && redrawn[i] == whole[i]) ++i;
    ASSERT_EQ(i, whole.size()) << "differs first at (" << i % kFrameWidth << ", " << i / kFrameWidth
                               << ") after ticks " << ticks << " score " << score << std::hex << " " << redrawn[i] << " " << whole[i];
    was = now;
  };
  change(30, 1, 1234567, 1234567, 10, 1);
  change(29, 0, 7, 11, 1, 0);
  change(29, 0, 7, 11, 1, 2);

  // Anything of the board: the whole screen.
  Place(6, 4, 0, 3);
  TakePicture(gs, Board, now);
  EXPECT_TRUE(IndicatorAreas(was, now).empty());
}

TEST_F(StatusRenderTest, NumbersAreCentredByTheirGlyphWidths) {
  Clear();
  DrawNumber(0, 192, 45, 165);  // 192 + 82 - 11 / 2
  EXPECT_EQ(Glyphs(50, 180, 360), Expected({0}, 269));

  Clear();
  DrawNumber(1203, 192, 45, 165);  // 33 pixels wide: 192 + 82 - 16
  EXPECT_EQ(Glyphs(50, 180, 360), Expected({1, 2, 0, 3}, 258));
  EXPECT_EQ(At(258, 44), kBackground);
  EXPECT_EQ(At(258, 45), DigitColour(1));
  EXPECT_EQ(At(258, 56), DigitColour(1));

  Clear();
  DrawNumber(987654, 374, 45, 164);  // an even field: 374 + 82 - 53 / 2
  EXPECT_EQ(Glyphs(50, 360, 560), Expected({9, 8, 7, 6, 5, 4}, 430));

  // The minus sign has no glyph of its own: it takes digit 0's.
  Clear();
  DrawNumber(-7, 192, 45, 165);
  EXPECT_EQ(Glyphs(50, 180, 360), Expected({0, 7}, 265));
  Clear();
  DrawNumber(INT32_MIN, 192, 45, 165);
  EXPECT_EQ(Glyphs(50, 100, 400), Expected({0, 2, 1, 4, 7, 4, 8, 3, 6, 4, 8}, 226));
}

TEST_F(StatusRenderTest, ScoreLevelAndBestScoreShareTheRowAndBestFollowsScore) {
  gs.iShownScore = 4215;
  gs.iBestScore = 3000;
  gs.iLevel = 7;
  vDrawGameScreen();
  const std::vector<Stretch> score = Glyphs(50, 192, 357);
  EXPECT_EQ(score, Expected({4, 2, 1, 5}, 192 + 82 - 16));
  EXPECT_EQ(Glyphs(50, 556, 721), Shifted(score, 556 - 192)) << "best shows the score at once";
  EXPECT_EQ(Glyphs(50, 374, 539), Expected({7}, 374 + 82 - 3));

  gs.iShownScore = 1000;  // a lower score leaves the best as it is
  vDrawGameScreen();
  EXPECT_EQ(Glyphs(50, 556, 721), Shifted(score, 556 - 192));
}

TEST_F(StatusRenderTest, HintsLeftStandInARowOfThree) {
  gs.iHintsLeft = 3;
  vDrawGameScreen();
  EXPECT_EQ(Glyphs(40, 700, 1024),
            (std::vector<Stretch>{{kAngel[0], 769, 20}, {kAngel[0], 803, 20}, {kAngel[0], 837, 20}}));
  EXPECT_EQ(At(769, 34), kAngel[0]);
  EXPECT_EQ(At(769, 33), kBackground);

  gs.iHintsLeft = 0;
  vDrawGameScreen();
  EXPECT_TRUE(Glyphs(40, 700, screen::kHintZone.x).empty());  // the button beyond is dimmed
}

TEST_F(StatusRenderTest, TimeBarFillsFromTheBottomRightCell) {
  gs.iTimeTicks = 5;
  vDrawTimeBar();
  for (int cell = 0; cell < 180; ++cell)
    ASSERT_EQ(TickAt(cell), cell >= 175 ? kRedCell : kEmptyCell) << cell;
  EXPECT_EQ(gs.iTimeTicks, 5);

  gs.iTimeTicks = 180;  // a full bar is shown and kept as 179
  vDrawTimeBar();
  EXPECT_EQ(gs.iTimeTicks, 179);
  EXPECT_EQ(TickAt(0), kEmptyCell);
  for (int cell = 1; cell < 180; ++cell) {
    uint32_t want = cell >= 140 ? kRedCell : cell >= 100 ? kYellowCell : kGreenCell;
    ASSERT_EQ(TickAt(cell), want) << cell;
  }

  gs.iTimeTicks = 0;
  vDrawTimeBar();
  for (int cell = 0; cell < 180; ++cell) ASSERT_EQ(TickAt(cell), kEmptyCell) << cell;
}

// The warning's timing is the rules' (rules_tests); here it is drawn over the bar in its phases.
TEST_F(StatusRenderTest, TimeWarningShowsOverTheBarInItsVisiblePhase) {
  const uint32_t start = timeGetTime();
  gs.iTimeTicks = 39;
  vDrawTimeBar();
  EXPECT_TRUE(WarningShown()) << "the warning shows at once";
  VirtualClockSet(start + 251);
  vDrawTimeBar();
  EXPECT_EQ(At(10, 12), kEmptyCell) << "hidden: the bar shows through";
  VirtualClockSet(start + 402);
  vDrawTimeBar();
  EXPECT_TRUE(WarningShown());
  gs.iTimeTicks = 40;
  vDrawTimeBar();
  EXPECT_FALSE(WarningShown());
}
}  // namespace

// A note wider than the panel's picture still sits on one whole panel, as wide as its strip.
TEST_F(StatusRenderTest, ALongNoteSitsOnOnePanelAsWideAsItsStrip) {
  constexpr uint32_t kPanel = 0x304858;
  MakeSolid(gResources.notePanel, screen::kNotePanelWidth, screen::kNoteStrip.h, kPanel, true);
  MakeSolid(gResources.glyphs[screen::iGlyphSlot(U'W')], 20, screen::kGlyphHeight, 0xF0E0A0, true);
  PaintRect(0, screen::kNoteStrip.y, kFrameWidth, screen::kNoteStrip.h, kBackground);
  DrawShortNote(std::string(30, 'W'));
  const screen::Rect strip = screen::NoteStrip(30 * 20);
  EXPECT_EQ(Glyphs(strip.y + 1, 0, kFrameWidth), (std::vector<Stretch>{{kPanel, strip.x, strip.w}}));
}
