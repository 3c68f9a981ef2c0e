// The music in a page: the browser decodes and plays it (library_tavimora.js), so that the page's
// own thread, which runs the mixer of the effects, has nothing to do while only the music sounds.
#include <emscripten.h>

#include <atomic>

#include "platform/audio.h"

extern "C" {
int tv_web_music_load(const char* path);
void tv_web_music_free(int id);
int tv_web_music_start(int id);
void tv_web_music_hold(int how);
double tv_web_music_position(int id);
}

struct PlatformMusic {
  int id;
};

namespace {
enum MusicState { kNoMusic = 0, kPlaying = 1, kPaused = 2 };
enum MusicHold { kHalt = -1, kResume = 0, kPause = 1 };

// What the music is doing, told by the page whenever it changes (a track started, held or played
// to its end): the game asks every pass, and asking the page's thread each time would wake it.
std::atomic<int> gMusicState{kNoMusic};
}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void tv_web_music_now(int state) {
  gMusicState.store(state, std::memory_order_relaxed);
}

PlatformMusic* PlatformMusicLoad(const char* path) {
  if (!PlatformAudioIsOpen()) return nullptr;
  const int id = tv_web_music_load(path);
  return id != 0 ? new PlatformMusic{id} : nullptr;
}

void PlatformMusicFree(PlatformMusic* music) {
  if (music == nullptr) return;
  tv_web_music_free(music->id);
  delete music;
}

int PlatformMusicStart(PlatformMusic* music) {
  if (music == nullptr || !PlatformAudioIsOpen()) return -1;
  return tv_web_music_start(music->id);
}

bool PlatformMusicActive() { return gMusicState.load(std::memory_order_relaxed) != kNoMusic; }

void PlatformMusicPause() { tv_web_music_hold(kPause); }

void PlatformMusicResume() { tv_web_music_hold(kResume); }

bool PlatformMusicPaused() { return gMusicState.load(std::memory_order_relaxed) == kPaused; }

void PlatformMusicHalt() { tv_web_music_hold(kHalt); }

double PlatformMusicPosition(PlatformMusic* music) {
  return music != nullptr ? tv_web_music_position(music->id) : 0.0;
}
