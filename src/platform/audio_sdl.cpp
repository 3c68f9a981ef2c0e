#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>

#include "platform/audio.h"

struct PlatformSample {
  Mix_Chunk* chunk;
};

namespace {
constexpr int kMixChannels = 32;
std::atomic<bool> gAudioOpen{false};
}  // namespace

int PlatformAudioOpen() {
  if (gAudioOpen.load(std::memory_order_relaxed)) return 0;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 1;
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 2;
  }
  Mix_AllocateChannels(kMixChannels);
  gAudioOpen.store(true, std::memory_order_relaxed);
  return 0;
}

void PlatformAudioClose() {
  if (!gAudioOpen.exchange(false, std::memory_order_relaxed)) return;
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool PlatformAudioIsOpen() { return gAudioOpen.load(std::memory_order_relaxed); }

PlatformSample* PlatformSampleLoad(const char* path) {
  if (!PlatformAudioIsOpen()) return nullptr;
  Mix_Chunk* chunk = Mix_LoadWAV(path);
  if (chunk == nullptr) return nullptr;
  return new PlatformSample{chunk};
}

void PlatformSampleFree(PlatformSample* sample) {
  if (sample == nullptr) return;
  if (PlatformAudioIsOpen()) {
    PlatformSampleStop(sample);
    Mix_FreeChunk(sample->chunk);
  }
  delete sample;
}

int PlatformSamplePlay(PlatformSample* sample) {
  if (sample == nullptr || !PlatformAudioIsOpen()) return -1;
  return Mix_PlayChannel(-1, sample->chunk, 0) < 0 ? -1 : 0;
}

int PlatformSampleStop(PlatformSample* sample) {
  if (sample == nullptr || !PlatformAudioIsOpen()) return 0;
  for (int ch = 0; ch < kMixChannels; ++ch) {
    if (Mix_Playing(ch) && Mix_GetChunk(ch) == sample->chunk) Mix_HaltChannel(ch);
  }
  return 0;
}

int PlatformSampleInstances(PlatformSample* sample) {
  if (sample == nullptr || !PlatformAudioIsOpen()) return 0;
  int count = 0;
  for (int ch = 0; ch < kMixChannels; ++ch) {
    if (Mix_Playing(ch) && Mix_GetChunk(ch) == sample->chunk) ++count;
  }
  return count;
}
