#pragma once
// The effect player: six short sounds, fire and forget, mixed over each other and the music.
// Every request before set-up (or after it failed) answers kSfxNoPerformance and does nothing.
#include <cstdint>

struct PlatformSample;

// Result codes; 0 is success.
constexpr uint32_t kSfxOk = 0;
constexpr uint32_t kSfxNoLoader = 0x85000001;       // the audio system did not start
constexpr uint32_t kSfxNoPerformance = 0x85000002;  // no output device (set-up never ran or failed)
constexpr uint32_t kSfxInitAudio = 0x85000003;      // the output device could not be opened
constexpr uint32_t kSfxAudioPath = 0x85000004;
constexpr uint32_t kSfxVolume = 0x85000005;
constexpr uint32_t kSfxLoadFailed = 0x85000006;     // the file is missing or not a WAV
constexpr uint32_t kSfxDownload = 0x85000007;
constexpr uint32_t kSfxNoSegment = 0x85000008;      // the effect holds no sound
constexpr uint32_t kSfxRefused = 0x85000009;        // the mixer would not play or stop it

class SoundEffects;

// One effect: the loaded sound and the player it was loaded into. A plain record that does
// nothing when it goes: the player frees the sounds, so records and player may be destroyed at
// process end in any order.
struct SoundEffect {
  PlatformSample* segment = nullptr;
  SoundEffects* performance = nullptr;
};

class SoundEffects {
 public:
  // Shutdown, if it has not run.
  ~SoundEffects();

  // Starts the audio system and opens the output device.
  uint32_t Init();
  // Loads a WAV file (a game path) into the record, replacing what it held.
  uint32_t Load(const char* file, SoundEffect& effect);
  // Starts one more instance of the effect.
  uint32_t Play(SoundEffect& effect);
  // Silences every sounding instance of the effect.
  uint32_t Stop(SoundEffect& effect);

  // Frees the six effects' sounds, then undoes Init: the records stay, empty and silent.
  // Used by tests and at process end.
  void Shutdown();

  bool loader = false;       // the audio system is running
  bool performance = false;  // the output device is open
};

extern SoundEffects gSoundEffects;
extern SoundEffect button_over;
extern SoundEffect goodmove;
extern SoundEffect badmove;
extern SoundEffect nomoves;
extern SoundEffect levelclear;
extern SoundEffect hint;

// Stops all six effects.
void vStopAllEffects();
