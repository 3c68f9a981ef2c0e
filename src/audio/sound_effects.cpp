#include "audio/sound_effects.h"

#include <type_traits>

#include <cstdio>
#include <string>

#include "diag/debug_log.h"
#include "platform/audio.h"
#include "platform/files.h"

SoundEffects gSoundEffects;
SoundEffect button_over;
SoundEffect goodmove;
SoundEffect badmove;
SoundEffect nomoves;
SoundEffect levelclear;
SoundEffect hint;

// The records have no destructor, so they are still there whenever this runs; the platform's
// own state is never destroyed either.
static_assert(std::is_trivially_destructible_v<SoundEffect>);
SoundEffects::~SoundEffects() { Shutdown(); }

uint32_t SoundEffects::Init() {
  int result = PlatformAudioOpen();
  if (result == 1) return kSfxNoLoader;
  loader = true;
  if (result != 0) return kSfxInitAudio;
  performance = true;
  return kSfxOk;
}

uint32_t SoundEffects::Load(const char* file, SoundEffect& effect) {
  if (!loader) return kSfxNoLoader;
  if (!performance) return kSfxNoPerformance;
  if (effect.segment != nullptr) {
    PlatformSampleFree(effect.segment);
    effect.segment = nullptr;
  }
  effect.segment = PlatformSampleLoad(PlatformPath(file).c_str());
  if (effect.segment == nullptr) return kSfxLoadFailed;
  effect.performance = this;
  return kSfxOk;
}

namespace {
// A device that rested and cannot open again leaves the game silent; that is said once.
void vSayDeviceLost() {
  static bool said = false;
  if (said) return;
  said = true;
  const std::string why = PlatformAudioFailure();
  std::fprintf(stderr, "Tavimora: the sound device could not be opened again (%s); playing on "
               "without sound.\n", why.c_str());
  vDebugLog("SoundEffects::Play() The sound device could not be opened again (%s)\n",
            why.c_str());
}
}  // namespace

uint32_t SoundEffects::Play(SoundEffect& effect) {
  if (!performance) return kSfxNoPerformance;
  if (effect.segment == nullptr) return kSfxNoSegment;
  if (PlatformSamplePlay(effect.segment) == 0) return kSfxOk;
  if (!PlatformAudioIsOpen()) vSayDeviceLost();
  return kSfxRefused;
}

uint32_t SoundEffects::Stop(SoundEffect& effect) {
  if (!performance) return kSfxNoPerformance;
  if (effect.segment == nullptr) return kSfxNoSegment;
  return PlatformSampleStop(effect.segment) == 0 ? kSfxOk : kSfxRefused;
}

void SoundEffects::Shutdown() {
  for (SoundEffect* e : {&button_over, &goodmove, &badmove, &nomoves, &levelclear, &hint}) {
    if (e->segment != nullptr) PlatformSampleFree(e->segment);
    e->segment = nullptr;
    e->performance = nullptr;
  }
  if (performance) PlatformAudioClose();
  loader = false;
  performance = false;
}

void vStopAllEffects() {
  for (SoundEffect* e : {&button_over, &badmove, &goodmove, &nomoves, &levelclear, &hint}) {
    gSoundEffects.Stop(*e);
  }
}
