#include "audio/music.h"

#include <mutex>

#include "diag/debug_log.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"

std::atomic<uint8_t> bMusicStarted{0};

namespace {
constexpr const char* kTrackPaths[3] = {
    "content\\sound\\backmusic0.mp3",
    "content\\sound\\backmusic1.mp3",
    "content\\sound\\backmusic2.mp3",
};
constexpr const char* kTrackLines[3] = {
    "[bPlayTitleMusic()] Song 0\n",
    "[bPlayTitleMusic()] Song 1\n",
    "[bPlayTitleMusic()] Song 2\n",
};
// A track that cannot be played is not retried at once: the pump tries again after this long.
constexpr uint32_t kRetryDelayMs = 5000;
// A track that ends this soon after its start did not really play (a file cut short): it counts
// as failed, so a broken file is not reloaded many times a second.
constexpr uint32_t kShortestTrackMs = 500;
// Without music, the device closes after this long without an effect (it opens again for the
// next one), so that an untouched game costs nothing for sound.
constexpr uint32_t kAudioRestMs = 5000;

std::mutex gMusicLock;
PlatformMusic* pMusicGraph = nullptr;  // the track now held
int iMusicTrack = -1;
bool bMusicFailed = false;  // the last start failed; retry after dwMusicRetryAt
bool bNoDeviceTraced = false;  // the missing device is said once a run
uint32_t dwMusicRetryAt = 0;
uint32_t dwTrackStartedAt = 0;

// The music's own random sequence, so that choosing a track never disturbs the deal's.
uint32_t uMusicRandom = 1;
int iMusicRandom() {
  uMusicRandom = uMusicRandom * 214013u + 2531011u;
  return static_cast<int>((uMusicRandom >> 16) & 0x7FFF);
}

void vReleaseTrackLocked() {
  PlatformMusicFree(pMusicGraph);
  pMusicGraph = nullptr;
  iMusicTrack = -1;
}

void vFailTrackLocked() {
  vReleaseTrackLocked();
  bMusicFailed = true;
  dwMusicRetryAt = timeGetTime() + kRetryDelayMs;
}

// Without a device there is nothing to retry: the platform does not try it again either.
void vNoDeviceLocked() {
  bMusicFailed = false;
  if (bNoDeviceTraced) return;
  bNoDeviceTraced = true;
  vDebugLog("[bPlayTitleMusic()] No sound device, no music\n");
}

// False when no device could be had, so that no track was tried.
bool bStartRandomTrackLocked() {
  vReleaseTrackLocked();  // the finished track is freed before the next is built
  if (PlatformAudioOpen() != 0) {
    vNoDeviceLocked();
    return false;
  }
  uMusicRandom = timeGetTime();
  int track = iMusicRandom() % 15 / 5;
  vDebugLog("%s", kTrackLines[track]);
  pMusicGraph = PlatformMusicLoad(PlatformPath(kTrackPaths[track]).c_str());
  if (PlatformMusicStart(pMusicGraph) != 0) {
    vFailTrackLocked();
    return true;
  }
  bMusicFailed = false;
  iMusicTrack = track;
  dwTrackStartedAt = timeGetTime();
  return true;
}
}  // namespace

bool bPlayTitleMusic() {
  std::lock_guard<std::mutex> lock(gMusicLock);
  // Without a device the main loop has no music to pump.
  bMusicStarted = bStartRandomTrackLocked() ? 1 : 0;
  return true;
}

void vPumpMusic() {
  std::lock_guard<std::mutex> lock(gMusicLock);
  if (pMusicGraph == nullptr) {
    if (bMusicFailed && bMusicStarted && bTimeAfter(timeGetTime(), dwMusicRetryAt)) {
      bStartRandomTrackLocked();
    }
    return;
  }
  if (PlatformMusicActive()) return;
  if (timeGetTime() - dwTrackStartedAt < kShortestTrackMs) {
    vFailTrackLocked();
    return;
  }
  bStartRandomTrackLocked();  // played to its end
}

void vRestSilentAudio() {
  std::lock_guard<std::mutex> lock(gMusicLock);
  if (pMusicGraph == nullptr && !bMusicStarted) PlatformAudioRestIfSilent(kAudioRestMs);
}

void vStopMusic() {
  std::lock_guard<std::mutex> lock(gMusicLock);
  bMusicFailed = false;
  if (pMusicGraph == nullptr) {
    bMusicStarted = 0;
    return;
  }
  PlatformMusicHalt();
  vReleaseTrackLocked();
  bMusicStarted = 0;
}

void vPauseMusic() {
  std::lock_guard<std::mutex> lock(gMusicLock);
  if (pMusicGraph != nullptr) PlatformMusicPause();
}

void vResumeMusic() {
  std::lock_guard<std::mutex> lock(gMusicLock);
  if (pMusicGraph != nullptr) PlatformMusicResume();
}

int iCurrentMusicTrack() {
  std::lock_guard<std::mutex> lock(gMusicLock);
  return iMusicTrack;
}
