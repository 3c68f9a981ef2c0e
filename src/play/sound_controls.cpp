#include "play/sound_controls.h"

#include <algorithm>
#include <atomic>

#include "audio/music.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "play/pointer.h"
#include "save/settings.h"
#include "util/time_compare.h"

namespace {
constexpr int kFullVolume = 128;
constexpr int kLoweredShare = 3;  // a paused game's music plays at a third of its level

enum NoteKind { kNoNote, kMusicNote, kEffectsNote, kVolumeNote };
std::atomic<int> gNote{kNoNote};
std::atomic<uint32_t> gNoteUntil{0};
std::atomic<bool> gLowered{false};

void vApplyVolumes(const Settings& s) {
  const int level = kFullVolume * s.volume / kVolumeSteps;
  PlatformSampleVolume(s.effects ? level : 0);
  PlatformMusicVolume(gLowered ? level / kLoweredShare : level);
}
}  // namespace

bool bApplyStoredSound() {
  const Settings s = CurrentSettings();
  vApplyVolumes(s);
  return s.music;
}

bool bSoundControlKey(int key) {
  Settings s = CurrentSettings();
  NoteKind note = kVolumeNote;
  switch (key) {
    case 'm':
      s.music = !s.music;
      note = kMusicNote;
      break;
    case 's':
      s.effects = !s.effects;
      note = kEffectsNote;
      break;
    case kKeyMinus: s.volume = std::max(1, s.volume - 1); break;
    case kKeyPlus: s.volume = std::min(kVolumeSteps, s.volume + 1); break;
    default: return false;
  }
  StoreSettings(s);
  vApplyVolumes(s);
  if (note == kMusicNote) {
    if (s.music) bPlayTitleMusic();
    else vStopMusic();
  }
  gNote = note;
  gNoteUntil = timeGetTime() + kSoundNoteMs;
  return true;
}

void vLowerMusic(bool lowered) {
  gLowered = lowered;
  vApplyVolumes(CurrentSettings());
}

std::string SoundNote(uint32_t now) {
  const int note = gNote;
  if (note == kNoNote || bTimeAfter(now, gNoteUntil)) return "";
  const Settings s = CurrentSettings();
  switch (note) {
    case kMusicNote: return s.music ? "Music on" : "Music off";
    case kEffectsNote: return s.effects ? "Effects on" : "Effects off";
    default: return "Volume " + std::to_string(s.volume) + " of " + std::to_string(kVolumeSteps);
  }
}

uint32_t dwSoundNoteUntil() { return gNoteUntil; }

bool bSoundNoteChanged(std::string& shown, PassWait& wake) {
  const std::string note = SoundNote(wake.Start());
  if (!note.empty()) wake.After(dwSoundNoteUntil());
  if (note == shown) return false;
  shown = note;
  return true;
}
