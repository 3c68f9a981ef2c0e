#pragma once
// The six sound effects, synthesised: short, soft-edged and of matched loudness.
#include <string>
#include <vector>

#include "synth.h"

namespace contentgen {

struct SoundEffectAudio {
  std::string name;  // file name without ".wav"
  StereoBuffer samples;
};

std::vector<SoundEffectAudio> RenderSoundEffects();

// Loudness used to match the effects: the RMS of the loudest 100 ms window.
double LoudestWindowRms(const StereoBuffer& buffer);

}  // namespace contentgen
