#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

namespace contentgen {

AdditiveVoice PluckVoice() {
  return {{{1, 1.0, 2.2}, {2, 0.55, 3.6}, {3, 0.32, 5.0}, {4, 0.2, 6.5}, {5, 0.12, 8.0}, {6, 0.07, 10}, {7.02, 0.04, 12}},
          0.002, 0.12};
}

AdditiveVoice HarpVoice() {
  return {{{1, 1.0, 1.3}, {2, 0.35, 2.4}, {3, 0.14, 3.6}, {4, 0.06, 5.0}}, 0.006, 0.25};
}

AdditiveVoice BellVoice() {
  return {{{1, 1.0, 1.1}, {2.0, 0.4, 1.8}, {2.76, 0.35, 2.4}, {5.4, 0.18, 4.0}, {8.93, 0.08, 6.0}}, 0.002, 0.4};
}

AdditiveVoice MarimbaVoice() {
  return {{{1, 1.0, 4.0}, {3.93, 0.3, 12}, {9.2, 0.07, 20}}, 0.002, 0.05};
}

AdditiveVoice ChimeVoice() {
  return {{{1, 1.0, 2.5}, {2.0, 0.25, 3.5}, {3.01, 0.3, 4.5}, {4.16, 0.12, 6}, {6.8, 0.06, 9}}, 0.001, 0.2};
}

std::vector<float> RenderAdditive(const AdditiveVoice& voice, double frequency, double seconds, double level) {
  size_t frames = size_t((seconds + voice.release) * kSampleRate);
  size_t held = size_t(seconds * kSampleRate);
  std::vector<float> out(frames, 0.f);
  for (const Partial& p : voice.partials) {
    double f = frequency * p.ratio;
    if (f > kSampleRate * 0.45) continue;
    // A rotating phasor instead of a sine per sample; the decay is folded into its length.
    std::complex<double> z(1, 0), step = std::polar(std::exp(-p.decay / kSampleRate), 2 * M_PI * f / kSampleRate);
    double amp = p.level * level;
    for (size_t i = 0; i < frames; ++i) {
      out[i] += float(amp * z.imag());
      z *= step;
    }
  }
  size_t attack = std::max<size_t>(1, size_t(voice.attack * kSampleRate));
  size_t release = std::max<size_t>(1, frames - std::min(held, frames));
  for (size_t i = 0; i < frames; ++i) {
    double g = 1.0;
    if (i < attack) g = double(i) / attack;
    if (i >= held) g *= 1.0 - double(i - held) / release;
    out[i] *= float(g);
  }
  return out;
}

std::vector<float> RenderPad(double frequency, double seconds, double level, double attack, double release) {
  size_t frames = size_t((seconds + release) * kSampleRate);
  std::vector<float> out(frames, 0.f);
  const double detune[] = {-0.006, 0.0, 0.0065};
  const std::array<Partial, 4> partials = {{{1, 1.0, 0}, {2, 0.32, 0}, {3, 0.12, 0}, {4, 0.05, 0}}};
  for (double d : detune) {
    for (const Partial& p : partials) {
      double f = frequency * p.ratio * (1 + d);
      std::complex<double> z(1, 0), step = std::polar(1.0, 2 * M_PI * f / kSampleRate);
      double amp = level * p.level / 3;
      for (size_t i = 0; i < frames; ++i) {
        out[i] += float(amp * z.imag());
        z *= step;
        if ((i & 1023) == 0) z /= std::abs(z);
      }
    }
  }
  size_t a = std::max<size_t>(1, size_t(attack * kSampleRate)), held = size_t(seconds * kSampleRate);
  size_t r = std::max<size_t>(1, frames - std::min(held, frames));
  for (size_t i = 0; i < frames; ++i) {
    double g = i < a ? 0.5 - 0.5 * std::cos(M_PI * double(i) / a) : 1.0;
    if (i >= held) g *= 0.5 + 0.5 * std::cos(M_PI * double(i - held) / r);
    out[i] *= float(g);
  }
  return out;
}

std::vector<float> RenderFlute(double frequency, double seconds, double level, uint32_t seed) {
  double release = 0.12;
  size_t frames = size_t((seconds + release) * kSampleRate), held = size_t(seconds * kSampleRate);
  std::vector<float> out(frames, 0.f);
  Noise noise(seed);
  double phase = 0, breath = 0;
  for (size_t i = 0; i < frames; ++i) {
    double t = double(i) / kSampleRate;
    double vibrato = 1 + 0.0045 * std::sin(2 * M_PI * 5.2 * t) * std::min(1.0, std::max(0.0, (t - 0.25) * 3));
    phase += 2 * M_PI * frequency * vibrato / kSampleRate;
    breath = breath * 0.88 + noise.Next() * 0.12;
    double tone = std::sin(phase) + 0.18 * std::sin(2 * phase) + 0.06 * std::sin(3 * phase);
    double g = std::min(1.0, t / 0.06);
    if (i >= held) g *= 1.0 - double(i - held) / double(frames - held);
    out[i] = float(level * g * (tone * 0.9 + breath * 0.5));
  }
  return out;
}

std::vector<float> RenderNoiseBurst(double seconds, double level, double brightness, uint32_t seed) {
  size_t frames = size_t(seconds * kSampleRate);
  std::vector<float> out(frames, 0.f);
  Noise noise(seed);
  double lp = 0, k = 0.05 + 0.9 * brightness;
  for (size_t i = 0; i < frames; ++i) {
    lp += k * (noise.Next() - lp);
    double env = std::exp(-double(i) / (frames * 0.22));
    out[i] = float(level * lp * env);
  }
  return out;
}

void MixInto(StereoBuffer& out, const std::vector<float>& mono, size_t startFrame, double pan) {
  double angle = (std::clamp(pan, -1.0, 1.0) + 1) * M_PI / 4;
  float gl = float(std::cos(angle) * M_SQRT2), gr = float(std::sin(angle) * M_SQRT2);
  for (size_t i = 0; i < mono.size() && startFrame + i < out.Frames(); ++i) {
    out.left[startFrame + i] += mono[i] * gl;
    out.right[startFrame + i] += mono[i] * gr;
  }
}

namespace {

class Comb {
 public:
  explicit Comb(size_t length) : buffer_(length, 0.f) {}
  float Process(float in, float feedback, float damp) {
    float out = buffer_[pos_];
    store_ = out * (1 - damp) + store_ * damp;
    buffer_[pos_] = in + store_ * feedback;
    pos_ = (pos_ + 1) % buffer_.size();
    return out;
  }

 private:
  std::vector<float> buffer_;
  size_t pos_ = 0;
  float store_ = 0;
};

class Allpass {
 public:
  explicit Allpass(size_t length) : buffer_(length, 0.f) {}
  float Process(float in) {
    float delayed = buffer_[pos_];
    float out = delayed - in;
    buffer_[pos_] = in + delayed * 0.5f;
    pos_ = (pos_ + 1) % buffer_.size();
    return out;
  }

 private:
  std::vector<float> buffer_;
  size_t pos_ = 0;
};

}  // namespace

void ApplyReverb(StereoBuffer& buffer, double roomSize, double damping, double wet) {
  const size_t combs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
  const size_t allpasses[] = {556, 441, 341, 225};
  const size_t spread = 23;
  std::vector<Comb> cl, cr;
  std::vector<Allpass> al, ar;
  for (size_t c : combs) cl.emplace_back(c), cr.emplace_back(c + spread);
  for (size_t a : allpasses) al.emplace_back(a), ar.emplace_back(a + spread);
  float feedback = float(0.7 + 0.28 * roomSize), damp = float(damping * 0.4);
  for (size_t i = 0; i < buffer.Frames(); ++i) {
    float in = (buffer.left[i] + buffer.right[i]) * 0.015f;
    float l = 0, r = 0;
    for (size_t k = 0; k < cl.size(); ++k) l += cl[k].Process(in, feedback, damp), r += cr[k].Process(in, feedback, damp);
    for (size_t k = 0; k < al.size(); ++k) l = al[k].Process(l), r = ar[k].Process(r);
    buffer.left[i] += float(wet) * l;
    buffer.right[i] += float(wet) * r;
  }
}

void ApplyDelay(StereoBuffer& buffer, double seconds, double feedback, double mix) {
  size_t d = size_t(seconds * kSampleRate);
  if (d == 0) return;
  std::vector<float> dl(d, 0.f), dr(d, 0.f);
  size_t pos = 0;
  for (size_t i = 0; i < buffer.Frames(); ++i) {
    float outL = dl[pos], outR = dr[pos];
    // Ping-pong: each echo comes back on the other side.
    dl[pos] = buffer.right[i] * 0.6f + outR * float(feedback);
    dr[pos] = buffer.left[i] * 0.6f + outL * float(feedback);
    buffer.left[i] += float(mix) * outL;
    buffer.right[i] += float(mix) * outR;
    pos = (pos + 1) % d;
  }
}

void ApplyFades(std::vector<float>& samples, double fadeIn, double fadeOut) {
  size_t n = samples.size();
  size_t in = std::min(n, size_t(fadeIn * kSampleRate)), out = std::min(n, size_t(fadeOut * kSampleRate));
  for (size_t i = 0; i < in; ++i) samples[i] *= float(double(i) / in);
  for (size_t i = 0; i < out; ++i) samples[n - 1 - i] *= float(double(i) / out);
}

void ApplyFades(StereoBuffer& buffer, double fadeIn, double fadeOut) {
  ApplyFades(buffer.left, fadeIn, fadeOut);
  ApplyFades(buffer.right, fadeIn, fadeOut);
}

double MidiToFrequency(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

double Peak(const StereoBuffer& buffer) {
  double p = 0;
  for (size_t i = 0; i < buffer.Frames(); ++i) p = std::max({p, double(std::fabs(buffer.left[i])), double(std::fabs(buffer.right[i]))});
  return p;
}

double Rms(const StereoBuffer& buffer) {
  double sum = 0;
  for (size_t i = 0; i < buffer.Frames(); ++i) sum += double(buffer.left[i]) * buffer.left[i] + double(buffer.right[i]) * buffer.right[i];
  return buffer.Frames() ? std::sqrt(sum / (2.0 * buffer.Frames())) : 0;
}

void Scale(StereoBuffer& buffer, double factor) {
  for (size_t i = 0; i < buffer.Frames(); ++i) buffer.left[i] *= float(factor), buffer.right[i] *= float(factor);
}

void NormaliseLoudness(StereoBuffer& buffer, double targetRms, double knee, double ceiling) {
  double rms = Rms(buffer);
  if (rms <= 0) return;
  Scale(buffer, targetRms / rms);
  double room = ceiling - knee;
  auto limit = [&](float& s) {
    double a = std::fabs(s);
    if (a <= knee) return;
    double over = a - knee;
    double shaped = knee + room * std::tanh(over / room);
    s = float(s < 0 ? -shaped : shaped);
  };
  for (size_t i = 0; i < buffer.Frames(); ++i) limit(buffer.left[i]), limit(buffer.right[i]);
}

}  // namespace contentgen
