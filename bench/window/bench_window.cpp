// Showing the 1024 x 768 frame at 1920 x 1080 full screen (1440 x 1080 with bars) without a GPU:
// the game's scaled copy of a whole frame and of one changed tile, against SDL's software
// renderer with smooth scaling, which must copy the whole frame to the whole target on every
// present. The figures decide which path the window uses.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/frame_fit.h"

namespace {
constexpr int kW = 1024, kH = 768, kOutW = 1920, kOutH = 1080;

std::vector<uint32_t> Picture() {
  std::vector<uint32_t> frame(static_cast<size_t>(kW) * kH);
  for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
  return frame;
}

void ScaledCopy(benchmark::State& state, const PixelRect& changed) {
  const std::vector<uint32_t> frame = Picture();
  std::vector<uint32_t> out(static_cast<size_t>(kOutW) * kOutH);
  const PixelRect fit = FitFrame(kOutW, kOutH, kW, kH);
  const PixelRect area = ScaledArea(fit, kW, kH, changed);
  for (auto _ : state) {
    ScaleFrameArea(frame.data(), kW, kH, fit, area,
                   out.data() + static_cast<size_t>(area.y) * kOutW + area.x, kOutW);
    benchmark::DoNotOptimize(out.data());
  }
}

void BM_ScaledCopyWholeFrame(benchmark::State& state) { ScaledCopy(state, PixelRect{0, 0, kW, kH}); }
BENCHMARK(BM_ScaledCopyWholeFrame)->Unit(benchmark::kMillisecond);

void BM_ScaledCopyOneTile(benchmark::State& state) { ScaledCopy(state, PixelRect{400, 300, 72, 88}); }
BENCHMARK(BM_ScaledCopyOneTile)->Unit(benchmark::kMicrosecond);

// SDL's software renderer onto a surface: update the tile's part of the texture, then render
// the whole frame scaled, as every present would have to.
void BM_SoftwareRendererOneTile(benchmark::State& state) {
  const std::vector<uint32_t> frame = Picture();
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, kOutW, kOutH, 32, SDL_PIXELFORMAT_XRGB8888);
  SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(target);
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_XRGB8888,
                                           SDL_TEXTUREACCESS_STREAMING, kW, kH);
  const PixelRect fit = FitFrame(kOutW, kOutH, kW, kH);
  const SDL_Rect dst{fit.x, fit.y, fit.w, fit.h};
  const SDL_Rect tile{400, 300, 72, 88};
  for (auto _ : state) {
    SDL_UpdateTexture(texture, &tile, frame.data() + 300 * kW + 400, kW * 4);
    SDL_RenderCopy(renderer, texture, nullptr, &dst);
    SDL_RenderPresent(renderer);
    benchmark::DoNotOptimize(target->pixels);
  }
  SDL_DestroyTexture(texture);
  SDL_DestroyRenderer(renderer);
  SDL_FreeSurface(target);
}
BENCHMARK(BM_SoftwareRendererOneTile)->Unit(benchmark::kMillisecond);
}  // namespace
