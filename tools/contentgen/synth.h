#pragma once
// A small synthesiser for the sounds and the music: additive voices (plucked strings, bells,
// marimba), a soft pad, a breathy flute, noise, and a reverb and a stereo delay. Everything is
// deterministic: the same call renders the same samples.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace contentgen {

constexpr int kSampleRate = 44100;

struct StereoBuffer {
  std::vector<float> left, right;
  explicit StereoBuffer(size_t frames = 0) : left(frames, 0.f), right(frames, 0.f) {}
  size_t Frames() const { return left.size(); }
};

// One partial of an additive voice: frequency ratio, level, and decay rate (1/s).
struct Partial {
  double ratio, level, decay;
};

struct AdditiveVoice {
  std::vector<Partial> partials;
  double attack = 0.004;   // seconds
  double release = 0.08;   // fade after the note's end, seconds
};

// Instruments the music and the sounds use.
AdditiveVoice PluckVoice();    // a bright plucked string, like a zither
AdditiveVoice HarpVoice();     // a rounder, softer pluck
AdditiveVoice BellVoice();     // a small bell
AdditiveVoice MarimbaVoice();  // a wooden bar
AdditiveVoice ChimeVoice();    // a glassy chime for effects

// Renders one note (mono) of `seconds` length plus the voice's release.
std::vector<float> RenderAdditive(const AdditiveVoice& voice, double frequency, double seconds, double level);

// A soft pad: detuned sine partials with slow attack and release.
std::vector<float> RenderPad(double frequency, double seconds, double level, double attack, double release);

// A breathy flute with delayed vibrato.
std::vector<float> RenderFlute(double frequency, double seconds, double level, uint32_t seed);

// A filtered noise burst (for woodblock-like ticks and breaths); `brightness` 0..1.
std::vector<float> RenderNoiseBurst(double seconds, double level, double brightness, uint32_t seed);

// Adds a mono signal into a stereo buffer at `startFrame`, panned (-1 left .. 1 right).
void MixInto(StereoBuffer& out, const std::vector<float>& mono, size_t startFrame, double pan);

// Freeverb-style reverb added to the buffer.
void ApplyReverb(StereoBuffer& buffer, double roomSize, double damping, double wet);

// A ping-pong echo added to the buffer.
void ApplyDelay(StereoBuffer& buffer, double seconds, double feedback, double mix);

// Linear fades at both ends, in seconds.
void ApplyFades(std::vector<float>& samples, double fadeIn, double fadeOut);
void ApplyFades(StereoBuffer& buffer, double fadeIn, double fadeOut);

double MidiToFrequency(double note);

// Level helpers: peak and RMS of all samples.
double Peak(const StereoBuffer& buffer);
double Rms(const StereoBuffer& buffer);
void Scale(StereoBuffer& buffer, double factor);

// Brings the buffer to the target RMS level and keeps every sample below `ceiling` with a soft
// knee above `knee` (both as linear sample values).
void NormaliseLoudness(StereoBuffer& buffer, double targetRms, double knee, double ceiling);

// A deterministic noise source, values in -1..1.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed * 747796405u + 2891336453u) {}
  float Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return float(int32_t(state_)) / 2147483648.0f;
  }

 private:
  uint32_t state_;
};

}  // namespace contentgen
