#include "shell/sound_setup.h"

#include <cstdio>
#include <string>

#include "audio/sound_effects.h"
#include "diag/debug_log.h"
#include "platform/audio.h"

namespace {
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
  (void)window;
  if (gSoundEffects.Init() != kSfxOk) {
    const std::string why = PlatformAudioFailure();
    std::fprintf(stderr, "Tavimora: no sound device could be opened (%s); playing without sound.\n",
                 why.c_str());
    vDebugLog("bInitSound() No sound device (%s), playing without sound\n", why.c_str());
    return false;
  }
  for (const EffectFile& e : kEffectFiles) gSoundEffects.Load(e.file, *e.effect);
  return true;
}
