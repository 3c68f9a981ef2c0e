#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <mutex>
#include <type_traits>

#include "platform/audio.h"

struct PlatformSample {
  Mix_Chunk* chunk;
};

namespace {
constexpr int kMixChannels = 32;
std::atomic<bool> gAudioOpen{false};
std::mutex gOpenLock;  // music (main thread) and effects (game thread) both open the device

// Holders of sounds may release them from their own destructors at process end, in any order:
// this state must still be usable then, so none of it may have a destructor that does anything.
static_assert(std::is_trivially_destructible_v<std::atomic<bool>> &&
              std::is_trivially_destructible_v<std::mutex>);
}  // namespace

int PlatformAudioOpen() {
  std::lock_guard<std::mutex> lock(gOpenLock);
  if (gAudioOpen.load(std::memory_order_relaxed)) return 0;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 1;
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 2;
  }
  Mix_Init(MIX_INIT_MP3);
  Mix_AllocateChannels(kMixChannels);
  gAudioOpen.store(true, std::memory_order_relaxed);
  return 0;
}

void PlatformAudioClose() {
  std::lock_guard<std::mutex> lock(gOpenLock);
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

struct PlatformMusic {
  Mix_Music* music;
};

PlatformMusic* PlatformMusicLoad(const char* path) {
  if (!PlatformAudioIsOpen()) return nullptr;
  // The format is told by the file's contents, not by its name.
  SDL_RWops* rw = SDL_RWFromFile(path, "rb");
  if (rw == nullptr) return nullptr;
  Mix_Music* music = Mix_LoadMUSType_RW(rw, MUS_NONE, SDL_TRUE);
  if (music == nullptr) return nullptr;
  return new PlatformMusic{music};
}

void PlatformMusicFree(PlatformMusic* music) {
  if (music == nullptr) return;
  if (PlatformAudioIsOpen()) Mix_FreeMusic(music->music);  // halts it first if it is playing
  delete music;
}

int PlatformMusicStart(PlatformMusic* music) {
  if (music == nullptr || !PlatformAudioIsOpen()) return -1;
  return Mix_PlayMusic(music->music, 1) == 0 ? 0 : -1;
}

bool PlatformMusicActive() { return PlatformAudioIsOpen() && Mix_PlayingMusic() != 0; }

void PlatformMusicPause() {
  if (PlatformAudioIsOpen()) Mix_PauseMusic();
}

void PlatformMusicResume() {
  if (PlatformAudioIsOpen()) Mix_ResumeMusic();
}

bool PlatformMusicPaused() { return PlatformAudioIsOpen() && Mix_PausedMusic() != 0; }

void PlatformMusicHalt() {
  if (PlatformAudioIsOpen()) Mix_HaltMusic();
}

double PlatformMusicPosition(PlatformMusic* music) {
  if (music == nullptr || !PlatformAudioIsOpen()) return 0.0;
  return Mix_GetMusicPosition(music->music);
}
