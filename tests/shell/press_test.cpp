// The whole program on the real clock and real threads, headless: WinMain on this thread, the
// game thread it starts, and a player thread that pushes presses into SDL's queue at random
// moments after each screen's click guard, held 0, 5, 40 or 80 ms. Every press must be taken,
// which the player sees as a change of the presented frame. The process keeps to one processor,
// as on a busy machine, where a woken thread runs before the one that woke it goes on.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sched.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/display.h"
#include "play/board.h"
#include "play/game_state.h"
#include "play/main_thread_asks.h"
#include "screens/screen_layout.h"
#include "shell/shell.h"
#include "pushed_input.h"
#include "support/temp_dir.h"

namespace {
namespace fs = std::filesystem;
using std::chrono::milliseconds;
using screen::Rect;

constexpr Rect kWholeFrame{0, 0, screen::kScreenWidth, screen::kScreenHeight};
// The board without the indicators, which change by themselves as the time bar drains.
constexpr Rect kBoardArea{screen::kTimeColumnWidth, 80, screen::kHelpButtonX - 68, 688};
constexpr uint32_t kHolds[] = {0, 5, 40, 80};
constexpr int kCycles = 4;
constexpr int kTilePressesPerGame = 40;

// Eight tiles far enough apart that every one of them is free.
const int kSpread[8][2] = {{2, 2}, {6, 2}, {10, 2}, {14, 2}, {2, 6}, {6, 6}, {10, 6}, {14, 6}};

void SetUpContent() {
  fs::create_directories("content/levels");
  std::string pattern(kBoardCells * 4, '\0');
  for (const auto& t : kSpread) pattern[static_cast<size_t>(iGetCellIndex(t[0], t[1], 0)) * 4] = 1;
  WriteWholeFile("content/levels/level0.dat", pattern);
  const fs::path content = TAVIMORA_CONTENT_DIR;
  for (const char* sub : {"art", "sound"}) fs::copy(content / sub, fs::path("content") / sub,
                                                    fs::copy_options::recursive);
}

Rect MenuButton(int i) {
  const Rect& b = screen::kMenuButtons[i];
  return {screen::iCentredX(screen::kMenuWidth) + b.x, screen::iCentredY(screen::kMenuHeight) + b.y,
          b.w, b.h};
}

class Player {
 public:
  explicit Player(uint32_t seed) : random_(seed) {}

  // Presses (x, y) once the screen's guard has passed, and waits for `area` to change.
  void Press(const char* what, int x, int y, const Rect& area, int guardMs = 300) {
    if (!lost_.empty()) return;  // the screens are out of step with the script from here on
    std::this_thread::sleep_for(milliseconds(guardMs + Random(60)));
    const uint32_t hold = kHolds[presses_ % 4];
    std::vector<uint32_t> before = Area(area);
    PushMouseButton(SDL_MOUSEBUTTONDOWN, x, y);
    if (hold > 0) std::this_thread::sleep_for(milliseconds(hold));
    PushMouseButton(SDL_MOUSEBUTTONUP, x, y);
    ++presses_;
    if (!WaitForChange(area, before)) {
      lost_.push_back(std::string(what) + " held " + std::to_string(hold) + " ms");
    }
  }
  void Centre(const char* what, const Rect& r, const Rect& area, int guardMs = 300) {
    Press(what, r.x + r.w / 2, r.y + r.h / 2, area, guardMs);
  }
  // A key the game reacts to with a new screen; not one of the presses counted.
  void Escape() {
    if (!lost_.empty()) return;
    std::vector<uint32_t> before = Area(kWholeFrame);
    PushKey(SDLK_ESCAPE);
    if (!WaitForChange(kWholeFrame, before)) lost_.push_back("Escape");
  }
  // Presses the title until the menu is up: the game may still be starting.
  bool ReachMenu() {
    for (int i = 0; i < 200 && PlatformPresentCount() == 0; ++i) {
      std::this_thread::sleep_for(milliseconds(50));
    }
    for (int i = 0; i < 40; ++i) {
      std::vector<uint32_t> before = Area(kWholeFrame);
      PushMouseButton(SDL_MOUSEBUTTONDOWN, 500, 700);
      PushMouseButton(SDL_MOUSEBUTTONUP, 500, 700);
      if (WaitForChange(kWholeFrame, before, 500)) return true;
    }
    return false;
  }

  void Cycle() {
    Centre("HELP", MenuButton(1), kWholeFrame);
    Press("help", 500, 400, kWholeFrame);
    Press("title", 500, 700, kWholeFrame);
    Centre("NEWGAME", MenuButton(0), kWholeFrame);
    Centre("EASY", MenuButton(0), kWholeFrame);
    const auto& t = kSpread[presses_ % 8];
    for (int i = 0; i < kTilePressesPerGame; ++i) {
      // The game's guard is 250 ms as it starts and 125 ms after each press it took.
      Press("tile", screen::iTileLeft(t[0], 0) + 36, screen::iTileTop(t[1], 0) + 44, kBoardArea,
            i == 0 ? 300 : 145);
    }
    Centre("in-game HELP", screen::kHelpZone, kBoardArea);
    Press("in-game help", 500, 400, kBoardArea);
    Centre("HINT", screen::kHintZone, kBoardArea);
    const Rect box{screen::iCentredX(screen::kAreYouSureWidth),
                   screen::iCentredY(screen::kAreYouSureHeight), 0, 0};
    Escape();  // the game asks whether to leave
    Centre("YES", {box.x + screen::kYesButton.x, box.y + screen::kYesButton.y,
                   screen::kYesButton.w, screen::kYesButton.h}, kWholeFrame);
    Escape();  // the title asks whether to quit
    Centre("NO", {box.x + screen::kNoButton.x, box.y + screen::kNoButton.y, screen::kNoButton.w,
                  screen::kNoButton.h}, kWholeFrame);
    Press("title after NO", 500, 700, kWholeFrame, 550);
  }
  void Quit() {
    std::this_thread::sleep_for(milliseconds(300));
    const Rect quit = MenuButton(2);
    PushMouseButton(SDL_MOUSEBUTTONDOWN, quit.x + 10, quit.y + 10);
    PushMouseButton(SDL_MOUSEBUTTONUP, quit.x + 10, quit.y + 10);
  }

  int presses() const { return presses_; }
  const std::vector<std::string>& lost() const { return lost_; }

 private:
  int Random(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

  static std::vector<uint32_t> Area(const Rect& r) {
    std::vector<uint32_t> frame, area;
    int w = 0, h = 0;
    if (!PlatformLastPresented(frame, w, h)) return area;
    for (int y = r.y; y < r.y + r.h; ++y) {
      const uint32_t* row = frame.data() + static_cast<size_t>(y) * w;
      area.insert(area.end(), row + r.x, row + r.x + r.w);
    }
    return area;
  }

  // Polls the presented frame for a change within `area`; false when none came in time.
  static bool WaitForChange(const Rect& area, const std::vector<uint32_t>& before,
                            int limitMs = 3000) {
    const auto giveUp = std::chrono::steady_clock::now() + milliseconds(limitMs);
    uint64_t seen = 0;
    while (std::chrono::steady_clock::now() < giveUp) {
      const uint64_t presents = PlatformPresentCount();
      if (presents != seen && Area(area) != before) return true;
      seen = presents;
      std::this_thread::sleep_for(milliseconds(2));
    }
    return false;
  }

  std::mt19937 random_;
  int presses_ = 0;
  std::vector<std::string> lost_;
};

TEST(RealClock, EveryPressIsTakenOnEveryScreen) {
  ScopedTempCwd cwd;
  SetUpContent();
  vResetGameState();
  cpu_set_t one;
  CPU_ZERO(&one);
  CPU_SET(sched_getcpu(), &one);
  cpu_set_t all;
  sched_getaffinity(0, sizeof all, &all);
  sched_setaffinity(0, sizeof one, &one);  // the threads started from here on inherit it

  // TAVIMORA_PRESS_SEED replays a failed run's presses; the seed is printed on every failure.
  const char* given = std::getenv("TAVIMORA_PRESS_SEED");
  const uint32_t seed = given != nullptr ? static_cast<uint32_t>(std::strtoul(given, nullptr, 10))
                                         : std::random_device{}();
  SCOPED_TRACE("TAVIMORA_PRESS_SEED=" + std::to_string(seed));
  Player player(seed);
  bool reached = false;
  std::thread playing([&] {
    reached = player.ReachMenu();
    for (int i = 0; reached && i < kCycles && player.lost().empty(); ++i) player.Cycle();
    if (reached && player.lost().empty()) player.Quit();
    else AskToQuit();
  });
  const int code = WinMain();
  playing.join();
  sched_setaffinity(0, sizeof all, &all);

  ASSERT_TRUE(reached) << "the title never gave way to the menu";
  EXPECT_EQ(code, 0);
  EXPECT_EQ(player.presses(), kCycles * (kTilePressesPerGame + 11));
  std::string lost;
  for (const std::string& what : player.lost()) lost += "\n  " + what;
  EXPECT_TRUE(player.lost().empty()) << "after " << player.presses()
                                     << " presses, lost:" << lost;
}
}  // namespace
