#pragma once
// Audio file writers: 16-bit PCM WAV, and MP3 through LAME (constant bit rate, no tags, so the
// same samples always give the same bytes).
#include <cstdint>
#include <vector>

#include "synth.h"

namespace contentgen {

// Samples are clipped to -1..1 and rounded to 16 bits.
std::vector<uint8_t> EncodeWav(const std::vector<float>& mono);
std::vector<uint8_t> EncodeWav(const StereoBuffer& stereo);

// Empty on failure.
std::vector<uint8_t> EncodeMp3(const StereoBuffer& stereo, int kbps);

}  // namespace contentgen
