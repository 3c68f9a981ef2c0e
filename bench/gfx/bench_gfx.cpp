// The playing screen's drawing cost at 32 bits: a full-screen opaque background, 144 tiles of
// three transparent 72 x 88 layers (shadow, base, face) and two tinted faces; and the cost of
// presenting one whole 1024 x 768 frame, unchanged or new.
#include <benchmark/benchmark.h>

#include "gfx/frame_stack.h"
#include "gfx/sprite.h"
#include "screens/screen_layout.h"
#include "raster/raster.h"

namespace {
constexpr int kTileW = 72, kTileH = 88, kTiles = 144;

struct Scene {
  Sprite background, shadow, border, face;
  int16_t frame = -1;
};

// Paints a w x h picture at (0, 0) of the active buffer: a colour ramp with black corners cut
// off, so transparent drawing meets both runs and holes.
void PaintPicture(int w, int h, bool bHoles) {
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      bool hole = bHoles && (x + y < 8 || (w - 1 - x) + y < 8 || (x * 7 + y * 3) % 29 == 0);
      SetColor(hole ? 0 : MakeColor((x * 3) & 0xFF, (y * 2) & 0xFF, 0x80));
      PutPixel(x, y);
    }
  }
}

void MakeSprite(Sprite& sprite, int w, int h, bool bTransparent) {
  gFrameStack.SelectScreen();
  PaintPicture(w, h, bTransparent);
  sprite.Init(static_cast<int16_t>(w), static_cast<int16_t>(h), gFrameStack.Depth(),
              &gFrameStack, bTransparent, false, nullptr);
  sprite.Grab(0, 0);
}

Scene& TheScene() {
  static Scene* scene = [] {
    auto* s = new Scene;
    gFrameStack.Init(kFrameWidth, kFrameHeight, 32, nullptr, true);
    iColorDepth = gFrameStack.Depth();
    s->frame = gFrameStack.CreateBuffer(kFrameWidth, kFrameHeight);
    MakeSprite(s->background, kFrameWidth, kFrameHeight, false);
    MakeSprite(s->shadow, kTileW, kTileH, true);
    MakeSprite(s->border, kTileW, kTileH, true);
    MakeSprite(s->face, kTileW, kTileH, true);
    return s;
  }();
  return *scene;
}

void DrawPlayingScreen(const Scene& s) {
  s.background.Draw(0, 0);
  for (int i = 0; i < kTiles; ++i) {
    int left = screen::iTileLeft(i % 28, i % 5), top = screen::iTileTop(i / 28, i % 5);
    s.shadow.Draw(left - 4, top + 13);
    s.border.Draw(left, top);
    s.face.Draw(left, top);
  }
  s.face.DrawTinted(400, 300, 150, 100, 0, pTintScratch);
  s.face.DrawTinted(500, 300, 150, -50, -50, pTintScratch);
}

void BM_PlayingScreen(benchmark::State& state) {
  Scene& s = TheScene();
  gFrameStack.Select(s.frame);
  for (auto _ : state) {
    DrawPlayingScreen(s);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlayingScreen)->Unit(benchmark::kMicrosecond);

// The same scene through the library's packed-block operations, for comparison.
void BM_PlayingScreenPackedBlocks(benchmark::State& state) {
  Scene& s = TheScene();
  gFrameStack.Select(s.frame);
  auto put = [](const Sprite& sp, int x, int y) {
    MoveTo(x, y + sp.height - 1);
    if (sp.transparent != 0) {
      PutBlockTransparent(sp.pixels, sp.width, sp.height);
    } else {
      PutBlock(sp.pixels, sp.width, sp.height);
    }
  };
  for (auto _ : state) {
    put(s.background, 0, 0);
    for (int i = 0; i < kTiles; ++i) {
      int left = screen::iTileLeft(i % 28, i % 5), top = screen::iTileTop(i / 28, i % 5);
      put(s.shadow, left - 4, top + 13);
      put(s.border, left, top);
      put(s.face, left, top);
    }
    s.face.DrawTinted(400, 300, 150, 100, 0, pTintScratch);
    s.face.DrawTinted(500, 300, 150, -50, -50, pTintScratch);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlayingScreenPackedBlocks)->Unit(benchmark::kMicrosecond);

void BM_TintedTile(benchmark::State& state) {
  Scene& s = TheScene();
  gFrameStack.Select(s.frame);
  for (auto _ : state) {
    s.face.DrawTinted(400, 300, 150, 100, 0, pTintScratch);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TintedTile)->Unit(benchmark::kMicrosecond);

void BM_ShowWholeFrame(benchmark::State& state) {
  Scene& s = TheScene();
  gFrameStack.Select(s.frame);
  for (auto _ : state) ShowFrame(kActiveSlot);
}
BENCHMARK(BM_ShowWholeFrame)->Unit(benchmark::kMicrosecond);

// A new full-screen picture every frame, as when one screen gives way to the next: every row
// differs from the frame presented before.
void BM_ShowNewPicture(benchmark::State& state) {
  Scene& s = TheScene();
  gFrameStack.Select(s.frame);
  bool flip = false;
  for (auto _ : state) {
    if (flip) s.background.Draw(0, 0);
    else s.background.Draw(1, 0);
    flip = !flip;
    ShowFrame(kActiveSlot);
  }
}
BENCHMARK(BM_ShowNewPicture)->Unit(benchmark::kMicrosecond);

}  // namespace
