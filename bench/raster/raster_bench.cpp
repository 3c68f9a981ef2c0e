// Our raster library against SDL2 on the work of a playing-screen frame and of decoding the
// start-up pictures. Each benchmark runs both sides in the same iterations and reports their
// times per run and the ratio ours / SDL's.
#include <SDL.h>
#include <SDL_image.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "pcx_writer.h"
#include "raster/pcx.h"
#include "raster/raster.h"

namespace {
// Thread CPU time: other processes on a shared machine do not count against either side.
double CpuSeconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

constexpr int kScreenW = 1024, kScreenH = 768;
constexpr int kTileW = 72, kTileH = 88;
constexpr int kTiles = 144, kFaces = 29;

// Times two functions over the benchmark's iterations and reports both and their ratio. Each
// iteration runs one side a few times, then the other, as a game runs one library over and
// over: neither side pays for the other evicting its data from the cache on every call.
template <typename Ours, typename Theirs>
void vCompare(benchmark::State& state, Ours&& ours, Theirs&& theirs) {
  constexpr int kRunsPerSide = 4;
  double oursSeconds = 0, theirSeconds = 0;
  for (auto _ : state) {
    double t0 = CpuSeconds();
    for (int i = 0; i < kRunsPerSide; ++i) ours();
    double t1 = CpuSeconds();
    for (int i = 0; i < kRunsPerSide; ++i) theirs();
    double t2 = CpuSeconds();
    oursSeconds += t1 - t0;
    theirSeconds += t2 - t1;
  }
  double n = static_cast<double>(std::max<int64_t>(state.iterations(), 1)) * kRunsPerSide;
  state.counters["ours_us"] = oursSeconds / n * 1e6;
  state.counters["sdl_us"] = theirSeconds / n * 1e6;
  state.counters["ratio"] = theirSeconds > 0 ? oursSeconds / theirSeconds : 0;
}

// ---- The playing-screen frame ------------------------------------------------------------

// A packed 3-byte image, bottom row first. Tiles are black at their left edge and bottom rows
// (the shadow offset), about a sixth of their pixels.
std::vector<uint8_t> MakeImage(int w, int h, int seed, bool tileShape) {
  std::vector<uint8_t> px(size_t(w) * h * 3);
  for (int r = 0; r < h; ++r) {
    int y = h - 1 - r;
    for (int x = 0; x < w; ++x) {
      uint8_t* p = px.data() + (size_t(r) * w + x) * 3;
      bool black = tileShape && (x < 7 || y > kTileH - 7);
      p[0] = black ? 0 : uint8_t(20 + (x * 3 + seed * 17) % 220);
      p[1] = black ? 0 : uint8_t(20 + (y * 5 + seed * 31) % 220);
      p[2] = black ? 0 : uint8_t(20 + (x + y + seed) % 220);
    }
  }
  return px;
}

// Tile positions: a layer of 14 x 8 and a second layer of 32 raised by 4 pixels.
std::vector<std::pair<int, int>> TilePlaces() {
  std::vector<std::pair<int, int>> at;
  for (int i = 0; i < kTiles; ++i) {
    if (i < 112) {
      at.push_back({40 + (i % 14) * 68, 20 + (i / 14) * 84});
    } else {
      int j = i - 112;
      at.push_back({240 + (j % 8) * 68 - 4, 200 + (j / 8) * 84 - 4});
    }
  }
  return at;
}

// The tint of a marked tile: colour offsets, kept within 8..255, black left transparent.
void vTintPacked(const uint8_t* src, uint8_t* dst, size_t pixels, int dr, int dg, int db) {
  for (size_t i = 0; i < pixels; ++i, src += 3, dst += 3) {
    if ((src[0] | src[1] | src[2]) == 0) {
      dst[0] = dst[1] = dst[2] = 0;
      continue;
    }
    dst[0] = uint8_t(std::clamp(src[0] + db, 8, 255));
    dst[1] = uint8_t(std::clamp(src[1] + dg, 8, 255));
    dst[2] = uint8_t(std::clamp(src[2] + dr, 8, 255));
  }
}

SDL_Surface* SurfaceOf(const std::vector<uint8_t>& packed, int w, int h) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGB888);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
    const uint8_t* src = packed.data() + size_t(h - 1 - y) * w * 3;
    for (int x = 0; x < w; ++x) {
      row[x] = uint32_t{src[3 * x + 2]} << 16 | uint32_t{src[3 * x + 1]} << 8 | src[3 * x];
    }
  }
  return s;
}

struct FrameScene {
  std::vector<uint8_t> background = MakeImage(kScreenW, kScreenH, 1, false);
  std::vector<std::vector<uint8_t>> sprites;  // shadow, base, then the faces
  std::vector<std::pair<int, int>> places = TilePlaces();
  std::vector<uint8_t> scratch = std::vector<uint8_t>(size_t(kTileW) * kTileH * 3);

  // Our side: prepared blocks in a 32-bit buffer.
  PreparedBlock preparedBackground;
  std::vector<PreparedBlock> prepared;
  int buffer = -1;

  // SDL's side: surfaces in the frame's format, colour-keyed and run-length accelerated.
  SDL_Surface* frame = nullptr;
  SDL_Surface* sdlBackground = nullptr;
  std::vector<SDL_Surface*> sdlSprites;
  SDL_Surface* sdlScratch = nullptr;

  FrameScene() {
    for (int i = 0; i < 2 + kFaces; ++i) sprites.push_back(MakeImage(kTileW, kTileH, i + 2, true));
    OpenRasterLibrary();
    SetBufferDepth(32);
    buffer = CreateVirtualBuffer(kScreenW, kScreenH);
    ActivateBuffer(buffer);
    preparedBackground = PrepareBlock(background.data(), kScreenW, kScreenH, 32);
    for (auto& s : sprites) prepared.push_back(PrepareBlock(s.data(), kTileW, kTileH, 32));

    frame = SDL_CreateRGBSurfaceWithFormat(0, kScreenW, kScreenH, 32, SDL_PIXELFORMAT_RGB888);
    sdlBackground = SurfaceOf(background, kScreenW, kScreenH);
    for (auto& s : sprites) {
      SDL_Surface* surface = SurfaceOf(s, kTileW, kTileH);
      SDL_SetColorKey(surface, SDL_TRUE, 0);
      SDL_SetSurfaceRLE(surface, 1);
      sdlSprites.push_back(surface);
    }
    sdlScratch = SDL_CreateRGBSurfaceWithFormat(0, kTileW, kTileH, 32, SDL_PIXELFORMAT_RGB888);
    SDL_SetColorKey(sdlScratch, SDL_TRUE, 0);
    DrawSdl();  // the first blits build SDL's run-length forms
  }

  ~FrameScene() {
    DeactivateBuffers();
    CloseVirtualBuffer(-1);
    CloseRasterLibrary();
    for (SDL_Surface* s : sdlSprites) SDL_FreeSurface(s);
    SDL_FreeSurface(sdlScratch);
    SDL_FreeSurface(sdlBackground);
    SDL_FreeSurface(frame);
  }

  // True when both sides drew the same frame.
  bool bSameFrames() {
    for (int y = 0; y < kScreenH; ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(frame->pixels) +
                                                          y * frame->pitch);
      for (int x = 0; x < kScreenW; ++x) {
        if ((row[x] & 0xFFFFFF) != GetPixel(x, y)) return false;
      }
    }
    return true;
  }

  double BlackShare() const {
    size_t black = 0;
    for (size_t i = 0; i < sprites[2].size(); i += 3) {
      black += (sprites[2][i] | sprites[2][i + 1] | sprites[2][i + 2]) == 0;
    }
    return double(black) / (sprites[2].size() / 3);
  }

  // Parts of the frame: 1 background, 2 tiles, 4 tinted tiles.
  void DrawOurs(int parts = 7) {
    MoveTo(0, kScreenH - 1);
    if (parts & 1) PutPrepared(preparedBackground);
    for (int i = 0; i < kTiles && (parts & 2); ++i) {
      auto [x, y] = places[i];
      for (int k = 0; k < 3; ++k) {
        MoveTo(x, y + kTileH - 1);
        PutPreparedTransparent(prepared[k < 2 ? k : 2 + i % kFaces]);
      }
    }
    for (int i = 0; i < 2 && (parts & 4); ++i) {
      vTintPacked(sprites[2 + i].data(), scratch.data(), size_t(kTileW) * kTileH, 150, 100, 0);
      MoveTo(places[i].first, places[i].second + kTileH - 1);
      PutBlockTransparent(scratch.data(), kTileW, kTileH);
    }
    benchmark::DoNotOptimize(GetPixel(500, 400));
  }

  void DrawSdl(int parts = 7) {
    if (parts & 1) SDL_BlitSurface(sdlBackground, nullptr, frame, nullptr);
    for (int i = 0; i < kTiles && (parts & 2); ++i) {
      SDL_Rect at{places[i].first, places[i].second, kTileW, kTileH};
      for (int k = 0; k < 3; ++k) {
        SDL_Rect to = at;
        SDL_BlitSurface(sdlSprites[k < 2 ? k : 2 + i % kFaces], nullptr, frame, &to);
      }
    }
    for (int i = 0; i < 2 && (parts & 4); ++i) {
      vTintSurface(2 + i, 150, 100, 0);
      SDL_Rect to{places[i].first, places[i].second, kTileW, kTileH};
      SDL_BlitSurface(sdlScratch, nullptr, frame, &to);
    }
    benchmark::DoNotOptimize(static_cast<uint32_t*>(frame->pixels)[400 * kScreenW + 500]);
  }

  // The same tint into SDL's scratch surface, from the sprite's own pixels.
  void vTintSurface(size_t sprite, int dr, int dg, int db) {
    const std::vector<uint8_t>& packed = sprites[sprite];
    for (int y = 0; y < kTileH; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(sdlScratch->pixels) +
                                              y * sdlScratch->pitch);
      const uint8_t* src = packed.data() + size_t(kTileH - 1 - y) * kTileW * 3;
      for (int x = 0; x < kTileW; ++x, src += 3) {
        uint32_t v = uint32_t{src[2]} << 16 | uint32_t{src[1]} << 8 | src[0];
        if (v == 0) {
          row[x] = 0;
          continue;
        }
        uint32_t r = std::clamp(src[2] + dr, 8, 255), g = std::clamp(src[1] + dg, 8, 255),
                 b = std::clamp(src[0] + db, 8, 255);
        row[x] = r << 16 | g << 8 | b;
      }
    }
  }
};

void BM_PlayingFrame32(benchmark::State& state) {
  FrameScene scene;
  scene.DrawOurs();
  scene.DrawSdl();
  if (!scene.bSameFrames()) state.SkipWithError("the two frames differ");
  vCompare(
      state, [&] { scene.DrawOurs(); }, [&] { scene.DrawSdl(); });
  state.counters["black_share"] = scene.BlackShare();
}
BENCHMARK(BM_PlayingFrame32)->Unit(benchmark::kMicrosecond);

// The frame's parts on their own: 1 the background, 2 the tiles, 4 the tinted tiles.
void BM_PlayingFrameParts32(benchmark::State& state) {
  FrameScene scene;
  int parts = static_cast<int>(state.range(0));
  vCompare(
      state, [&] { scene.DrawOurs(parts); }, [&] { scene.DrawSdl(parts); });
}
BENCHMARK(BM_PlayingFrameParts32)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

// The frame with plain packed blocks instead of prepared ones, for reference.
void BM_PlayingFramePackedBlocks32(benchmark::State& state) {
  FrameScene scene;
  vCompare(
      state,
      [&] {
        MoveTo(0, kScreenH - 1);
        PutBlock(scene.background.data(), kScreenW, kScreenH);
        for (int i = 0; i < kTiles; ++i) {
          for (int k = 0; k < 3; ++k) {
            MoveTo(scene.places[i].first, scene.places[i].second + kTileH - 1);
            PutBlockTransparent(scene.sprites[k < 2 ? k : 2 + i % kFaces].data(), kTileW, kTileH);
          }
        }
      },
      [&] { scene.DrawSdl(); });
}
BENCHMARK(BM_PlayingFramePackedBlocks32)->Unit(benchmark::kMicrosecond);

// ---- PCX decoding ------------------------------------------------------------------------

// A 1024 x 768 picture like drawn artwork: flat areas and gradients, so both runs and plain
// bytes occur.
uint32_t ArtColour(int x, int y) {
  if ((x / 128 + y / 96) % 3 == 0) return 0x3060A0;
  return uint32_t((x / 4) & 0xFF) << 16 | uint32_t((y / 3) & 0xFF) << 8 |
         uint32_t((x + y) / 8 & 0xFF);
}

std::string ColourPicture() {
  std::vector<uint32_t> rgb(size_t(kScreenW) * kScreenH);
  for (int y = 0; y < kScreenH; ++y) {
    for (int x = 0; x < kScreenW; ++x) rgb[size_t(y) * kScreenW + x] = ArtColour(x, y);
  }
  return EncodePcx(RgbPcx(kScreenW, kScreenH, rgb));
}

std::string PalettePicture() {
  std::vector<uint8_t> index(size_t(kScreenW) * kScreenH);
  for (int y = 0; y < kScreenH; ++y) {
    for (int x = 0; x < kScreenW; ++x)
      index[size_t(y) * kScreenW + x] = ArtColour(x, y) >> 16 & 0xFF;
  }
  PcxImage image = IndexedPcx(kScreenW, kScreenH, index);
  image.tailPalette = true;
  for (int i = 0; i < 256; ++i) SetEntry(image.palette.data(), i, 0x010203u * i);
  return EncodePcx(image);
}

void vDecodeComparison(benchmark::State& state, const std::string& bytes) {
  std::string path = (std::filesystem::temp_directory_path() /
                      ("tavimora_bench_" + std::to_string(getpid()) + ".pcx"))
                         .string();
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
  OpenRasterLibrary();
  SetBufferDepth(32);
  ActivateBuffer(CreateVirtualBuffer(kScreenW, kScreenH));
  vCompare(
      state,
      [&] {
        MoveTo(0, 0);
        if (ShowPcx(path.c_str(), kPcxAtPosition) != kPcxOk) state.SkipWithError("ShowPcx failed");
      },
      [&] {
        SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
        SDL_Surface* s = IMG_LoadPCX_RW(rw);
        SDL_RWclose(rw);
        if (!s) state.SkipWithError("IMG_LoadPCX_RW failed");
        SDL_FreeSurface(s);
      });
  state.counters["file_kb"] = double(bytes.size()) / 1024;
  DeactivateBuffers();
  CloseVirtualBuffer(-1);
  CloseRasterLibrary();
  std::filesystem::remove(path);
}

void BM_ShowPcx24Bit(benchmark::State& state) { vDecodeComparison(state, ColourPicture()); }
BENCHMARK(BM_ShowPcx24Bit)->Unit(benchmark::kMicrosecond);

void BM_ShowPcx8BitPalette(benchmark::State& state) { vDecodeComparison(state, PalettePicture()); }
BENCHMARK(BM_ShowPcx8BitPalette)->Unit(benchmark::kMicrosecond);
}  // namespace
