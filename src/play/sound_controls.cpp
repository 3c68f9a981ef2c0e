#include "play/sound_controls.h"

#include <algorithm>
#include <atomic>
#include <string>

#include "audio/music.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "play/notes.h"
#include "play/translations.h"
#include "save/settings.h"

namespace {
constexpr int kFullVolume = 128;
constexpr int kLoweredShare = 3;  // a paused game's music plays at a third of its level

std::atomic<bool> gLowered{false};

void vApplyVolumes(const Settings& s) {
  const int level = kFullVolume * s.volume / kVolumeSteps;
  PlatformSampleVolume(s.effects ? level : 0);
  PlatformMusicVolume(gLowered ? level / kLoweredShare : level);
}

// What the note says after the command.
std::string NoteAfter(Command command, const Settings& s) {
  if (command == Command::kMusic) return Tr(s.music ? "Music on" : "Music off");
  if (command == Command::kEffects) return Tr(s.effects ? "Effects on" : "Effects off");
  return Tr("Volume %d of %d", {s.volume, kVolumeSteps});
}
}  // namespace

bool bApplyStoredSound() {
  const Settings s = CurrentSettings();
  vApplyVolumes(s);
  return s.music;
}

bool RunSoundCommand(Command command) {
  Settings s = CurrentSettings();
  switch (command) {
    case Command::kMusic: s.music = !s.music; break;
    case Command::kEffects: s.effects = !s.effects; break;
    case Command::kVolumeDown: s.volume = std::max(1, s.volume - 1); break;
    case Command::kVolumeUp: s.volume = std::min(kVolumeSteps, s.volume + 1); break;
    default: return false;
  }
  StoreSettings(s);
  vApplyVolumes(s);
  if (command == Command::kMusic) {
    if (s.music) bPlayTitleMusic();
    else vStopMusic();
  }
  vPutNote(NoteAfter(command, s), timeGetTime(), kSoundNoteMs);
  return true;
}

void vLowerMusic(bool lowered) {
  gLowered = lowered;
  vApplyVolumes(CurrentSettings());
}
