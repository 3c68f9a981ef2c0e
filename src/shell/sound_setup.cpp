#include "shell/sound_setup.h"

#include <atomic>

#include "audio/sound_effects.h"
#include "platform/window.h"

namespace {
std::atomic<bool> gSoundFailed{false};

struct EffectFile {
  SoundEffect* effect;
  const char* file;
};
const EffectFile kEffectFiles[] = {
    {&button_over, "content\\sound\\button_over.wav"},
    {&goodmove, "content\\sound\\goodmove.wav"},
    {&badmove, "content\\sound\\badmove.wav"},
    {&nomoves, "content\\sound\\nomoves.wav"},
    {&levelclear, "content\\sound\\levelclear.wav"},
    {&hint, "content\\sound\\hint.wav"},
};
}  // namespace

bool bInitSound(void* window) {
  (void)window;  // the error box is always owned by the game window
  if (gSoundEffects.Init() != kSfxOk) {
    gSoundFailed = true;
    return false;
  }
  for (const EffectFile& e : kEffectFiles) gSoundEffects.Load(e.file, *e.effect);
  return true;
}

bool bTellSoundFailure() {
  if (!gSoundFailed.exchange(false)) return false;
  PlatformErrorBox("Sound System Error",
                   "Cannot setup the sound system.  You must have a DirectX compatible sound "
                   "card installed to play this game.");
  return true;
}
