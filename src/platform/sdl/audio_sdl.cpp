#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cstdio>
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif
#include <mutex>
#include <string>
#include <type_traits>

#include "platform/audio.h"

#ifdef __EMSCRIPTEN__
// In a page the browser plays the music (platform/web/music_web.cpp) and the effects' device
// rests while silent (library_tavimora.js).
extern "C" {
void tv_web_music_volume(int volume);
void tv_web_music_forget();
void tv_web_effects_started();
}
#endif

// Loaded sounds and music are kept in lists while they hold mixer memory, so that closing the
// device frees them first: whatever still holds them afterwards holds an empty handle, and
// freeing that later only deletes the handle, whichever order the holders go in.
struct PlatformSample {
  Mix_Chunk* chunk;  // null once the device closed
  PlatformSample* next;
  std::string path;  // loaded again should the device wake from a rest in another format
};

struct PlatformMusic {
  Mix_Music* music;  // null once the device closed
  PlatformMusic* next;
};

namespace {
constexpr int kMixChannels = 32;
std::atomic<bool> gAudioOpen{false};
// Music (main thread) and effects (game thread) both open the device. Made once and never
// destroyed, since holders may still release sounds while the process ends.
std::mutex& OpenLock() {
  static std::mutex* lock = new std::mutex;
  return *lock;
}
PlatformSample* gLoadedSamples = nullptr;
PlatformMusic* gLoadedMusic = nullptr;
char gFailure[256] = "";  // under OpenLock()
std::atomic<int> gSampleVolume{MIX_MAX_VOLUME};
std::atomic<int> gMusicVolume{MIX_MAX_VOLUME};
// While the device rests it is closed, but the samples stay loaded and listed: they sound again
// as soon as it opens. All under OpenLock().
bool gResting = false;
Uint32 gLastSoundAt = 0;
// The format the samples were decoded for; a device that comes back in another one (it never
// has) makes them be decoded again.
struct DeviceFormat {
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  bool operator==(const DeviceFormat&) const = default;
};
DeviceFormat gSampleFormat;
// A failed open is not tried again until the device is closed on purpose: the reason is kept
// and every later open answers with it at once.
int gOpenFailed = 0;
std::atomic<int> gDecodes{0};

int iFailOpenLocked(int code) {
  std::snprintf(gFailure, sizeof gFailure, "%s", SDL_GetError());
  gOpenFailed = code;
  return code;
}

DeviceFormat CurrentFormat() {
  DeviceFormat f;
  Mix_QuerySpec(&f.frequency, &f.format, &f.channels);
  return f;
}

Mix_Chunk* DecodeSample(const char* path) {
  gDecodes.fetch_add(1, std::memory_order_relaxed);
  return Mix_LoadWAV(path);
}

// The sound libraries below SDL write their own complaints about a missing device to the
// standard error stream; the game says it in one line of its own, so they are kept quiet while
// the device is set up.
class QuietStandardError {
 public:
#ifdef __EMSCRIPTEN__
  QuietStandardError() = default;
#else
  QuietStandardError() : saved_(dup(STDERR_FILENO)) {
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    if (null >= 0) close(null);
  }
  ~QuietStandardError() {
    if (saved_ < 0) return;
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_;
#endif
};

// Holders of sounds may release them from their own destructors at process end, in any order:
// this state must still be usable then, so none of it may have a destructor that does anything.
static_assert(std::is_trivially_destructible_v<std::atomic<bool>>);

template <typename T>
void vUnlink(T*& head, T* item) {
  for (T** link = &head; *link != nullptr; link = &(*link)->next) {
    if (*link == item) {
      *link = item->next;
      return;
    }
  }
}

void vHaltSample(const PlatformSample* sample) {
  for (int ch = 0; ch < kMixChannels; ++ch) {
    if (Mix_Playing(ch) && Mix_GetChunk(ch) == sample->chunk) Mix_HaltChannel(ch);
  }
}

// Frees the mixer memory of everything still loaded; the handles stay with their holders. Safe
// with the device closed too: a closed mixer plays nothing.
void vReleaseLoadedLocked() {
  if (gAudioOpen.load(std::memory_order_relaxed)) Mix_HaltChannel(-1);
  for (PlatformSample* s = gLoadedSamples; s != nullptr; s = s->next) {
    Mix_FreeChunk(s->chunk);
    s->chunk = nullptr;
  }
  for (PlatformMusic* m = gLoadedMusic; m != nullptr; m = m->next) {
    Mix_FreeMusic(m->music);
    m->music = nullptr;
  }
  gLoadedSamples = nullptr;
  gLoadedMusic = nullptr;
}

int iOpenDeviceLocked() {
  [[maybe_unused]] QuietStandardError quiet;  // does nothing in the web build
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return iFailOpenLocked(1);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    iFailOpenLocked(2);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 2;
  }
  return 0;
}

// After a rest: the samples sound as they are, unless the device came back in another format.
void vWakeSamplesLocked() {
  gResting = false;
  if (CurrentFormat() == gSampleFormat) return;
  for (PlatformSample* s = gLoadedSamples; s != nullptr; s = s->next) {
    Mix_FreeChunk(s->chunk);
    s->chunk = DecodeSample(s->path.c_str());
  }
  gSampleFormat = CurrentFormat();
}

int iOpenLocked() {
  if (gAudioOpen.load(std::memory_order_relaxed)) return 0;
  if (gOpenFailed != 0) return gOpenFailed;
  if (const int failed = iOpenDeviceLocked()) return failed;
  Mix_Init(MIX_INIT_MP3);
  Mix_AllocateChannels(kMixChannels);
  Mix_Volume(-1, gSampleVolume.load(std::memory_order_relaxed));
  Mix_VolumeMusic(gMusicVolume.load(std::memory_order_relaxed));
  gAudioOpen.store(true, std::memory_order_relaxed);
  gLastSoundAt = SDL_GetTicks();
#ifdef __EMSCRIPTEN__
  tv_web_effects_started();  // the device may sound: its rests begin
#endif
  if (gResting) vWakeSamplesLocked();
  else gSampleFormat = CurrentFormat();
  return 0;
}
}  // namespace

int PlatformAudioOpen() {
  std::lock_guard<std::mutex> lock(OpenLock());
  return iOpenLocked();
}

void PlatformAudioRestIfSilent(uint32_t silentMs) {
#ifdef __EMSCRIPTEN__
  // A browser starts sound only after the player's press or key; a device closed to rest could
  // come back silent, and an idle page's audio costs little there anyway.
  (void)silentMs;
  return;
#endif
  std::lock_guard<std::mutex> lock(OpenLock());
  if (!gAudioOpen.load(std::memory_order_relaxed)) return;
  const Uint32 now = SDL_GetTicks();
  if (Mix_Playing(-1) != 0 || Mix_PlayingMusic() != 0 || gLoadedMusic != nullptr) {
    gLastSoundAt = now;
    return;
  }
  if (now - gLastSoundAt < silentMs) return;
  // The decoded samples outlive the device: the mixer keeps no hold on them once it is closed.
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  gAudioOpen.store(false, std::memory_order_relaxed);
  gResting = true;
}

void PlatformSampleVolume(int volume) {
  std::lock_guard<std::mutex> lock(OpenLock());
  gSampleVolume.store(volume, std::memory_order_relaxed);
  if (PlatformAudioIsOpen()) Mix_Volume(-1, volume);
}

void PlatformMusicVolume(int volume) {
  std::lock_guard<std::mutex> lock(OpenLock());
  gMusicVolume.store(volume, std::memory_order_relaxed);
  if (PlatformAudioIsOpen()) Mix_VolumeMusic(volume);
#ifdef __EMSCRIPTEN__
  tv_web_music_volume(volume);
#endif
}

void PlatformAudioClose() {
  std::lock_guard<std::mutex> lock(OpenLock());
  gOpenFailed = 0;  // a later open tries again
  gResting = false;
  vReleaseLoadedLocked();  // their handles stay empty from now on
#ifdef __EMSCRIPTEN__
  tv_web_music_forget();
#endif
  if (!gAudioOpen.exchange(false, std::memory_order_relaxed)) return;
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool PlatformAudioIsOpen() { return gAudioOpen.load(std::memory_order_relaxed); }

int PlatformSampleDecodes() { return gDecodes.load(std::memory_order_relaxed); }

std::string PlatformAudioFailure() {
  std::lock_guard<std::mutex> lock(OpenLock());
  return gFailure;
}

PlatformSample* PlatformSampleLoad(const char* path) {
  std::lock_guard<std::mutex> lock(OpenLock());
  if (gResting) iOpenLocked();
  if (!PlatformAudioIsOpen()) return nullptr;
  Mix_Chunk* chunk = DecodeSample(path);
  if (chunk == nullptr) return nullptr;
  gLoadedSamples = new PlatformSample{chunk, gLoadedSamples, path};
  return gLoadedSamples;
}

void PlatformSampleFree(PlatformSample* sample) {
  if (sample == nullptr) return;
  std::lock_guard<std::mutex> lock(OpenLock());
  if (sample->chunk != nullptr) {
    if (PlatformAudioIsOpen()) vHaltSample(sample);  // a resting device plays nothing
    Mix_FreeChunk(sample->chunk);
  }
  vUnlink(gLoadedSamples, sample);  // still listed while the device rests
  delete sample;
}

int PlatformSamplePlay(PlatformSample* sample) {
  if (sample == nullptr) return -1;
  std::lock_guard<std::mutex> lock(OpenLock());
  if (gResting) iOpenLocked();
  if (sample->chunk == nullptr || !PlatformAudioIsOpen()) return -1;
  gLastSoundAt = SDL_GetTicks();
#ifdef __EMSCRIPTEN__
  tv_web_effects_started();
#endif
  return Mix_PlayChannel(-1, sample->chunk, 0) < 0 ? -1 : 0;
}

int PlatformSampleStop(PlatformSample* sample) {
  if (sample == nullptr) return 0;
  std::lock_guard<std::mutex> lock(OpenLock());
  if (sample->chunk != nullptr && PlatformAudioIsOpen()) vHaltSample(sample);
  return 0;
}

int PlatformSampleInstances(PlatformSample* sample) {
  if (sample == nullptr) return 0;
  std::lock_guard<std::mutex> lock(OpenLock());
  if (sample->chunk == nullptr || !PlatformAudioIsOpen()) return 0;
  int count = 0;
  for (int ch = 0; ch < kMixChannels; ++ch) {
    if (Mix_Playing(ch) && Mix_GetChunk(ch) == sample->chunk) ++count;
  }
  return count;
}

#ifdef __EMSCRIPTEN__
// The page's timer asks whether the effects' device may rest: open and sounding nothing. A lock
// held elsewhere (the game thread waits for this thread while it loads a file) answers no.
extern "C" EMSCRIPTEN_KEEPALIVE int tv_web_effects_quiet() {
  std::unique_lock<std::mutex> lock(OpenLock(), std::try_to_lock);
  return lock.owns_lock() && PlatformAudioIsOpen() && Mix_Playing(-1) == 0 ? 1 : 0;
}
#else
PlatformMusic* PlatformMusicLoad(const char* path) {
  std::lock_guard<std::mutex> lock(OpenLock());
  if (!PlatformAudioIsOpen()) return nullptr;
  // The format is told by the file's contents, not by its name.
  SDL_RWops* rw = SDL_RWFromFile(path, "rb");
  if (rw == nullptr) return nullptr;
  Mix_Music* music = Mix_LoadMUSType_RW(rw, MUS_NONE, SDL_TRUE);
  if (music == nullptr) return nullptr;
  gLoadedMusic = new PlatformMusic{music, gLoadedMusic};
  return gLoadedMusic;
}

void PlatformMusicFree(PlatformMusic* music) {
  if (music == nullptr) return;
  std::lock_guard<std::mutex> lock(OpenLock());
  if (music->music != nullptr) {
    Mix_FreeMusic(music->music);  // halts it first if it is playing
    vUnlink(gLoadedMusic, music);
  }
  delete music;
}

int PlatformMusicStart(PlatformMusic* music) {
  if (music == nullptr || music->music == nullptr || !PlatformAudioIsOpen()) return -1;
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
  if (music == nullptr || music->music == nullptr || !PlatformAudioIsOpen()) return 0.0;
  return Mix_GetMusicPosition(music->music);
}
#endif
