#include <gtest/gtest.h>

#include <cmath>

#include "contentgen/synth.h"

using namespace contentgen;

namespace {

// Rising zero crossings per second of the held part of a note.
double MeasuredFrequency(const std::vector<float>& s, size_t from, size_t to) {
  int crossings = 0;
  for (size_t i = from + 1; i < to; ++i) crossings += s[i - 1] < 0 && s[i] >= 0;
  return crossings * double(kSampleRate) / double(to - from);
}

double MaxAbs(const std::vector<float>& s, size_t from, size_t to) {
  double m = 0;
  for (size_t i = from; i < to && i < s.size(); ++i) m = std::max(m, double(std::fabs(s[i])));
  return m;
}

}  // namespace

TEST(Synth, NotesSoundAtTheirPitchAndEndInSilence) {
  EXPECT_DOUBLE_EQ(MidiToFrequency(69), 440.0);
  EXPECT_NEAR(MidiToFrequency(81), 880.0, 1e-9);
  std::vector<float> harp = RenderAdditive(HarpVoice(), 220.0, 0.5, 0.5);
  EXPECT_EQ(harp.size(), size_t((0.5 + HarpVoice().release) * kSampleRate));
  EXPECT_NEAR(MeasuredFrequency(harp, 2000, 20000), 220.0, 4.0);
  EXPECT_LT(std::fabs(harp.front()), 1e-3);
  EXPECT_LT(std::fabs(harp.back()), 1e-3);
  std::vector<float> flute = RenderFlute(440.0, 0.6, 0.4, 3);
  EXPECT_NEAR(MeasuredFrequency(flute, 3000, 20000), 440.0, 15.0);
  EXPECT_LT(std::fabs(flute.back()), 1e-3);
  std::vector<float> pad = RenderPad(110.0, 1.0, 0.3, 0.4, 0.5);
  EXPECT_LT(MaxAbs(pad, 0, 50), 0.01);
  EXPECT_GT(MaxAbs(pad, 20000, 40000), 0.1);
  EXPECT_LT(std::fabs(pad.back()), 1e-3);
}

TEST(Synth, PanningAndEffectsPlaceSoundWhereAndWhenExpected) {
  std::vector<float> click(100, 0.5f);
  StereoBuffer left(kSampleRate);
  MixInto(left, click, 10, -1.0);
  EXPECT_NEAR(left.left[10], 0.5 * std::sqrt(2.0), 1e-5);
  EXPECT_NEAR(left.right[10], 0.0, 1e-6);
  EXPECT_EQ(left.left[9], 0.f);
  // A note mixed past the end is cut, not written beyond the buffer.
  MixInto(left, click, kSampleRate - 10, 0.0);

  StereoBuffer echo(kSampleRate);
  MixInto(echo, click, 0, -1.0);
  ApplyDelay(echo, 0.25, 0.3, 0.5);
  size_t at = size_t(0.25 * kSampleRate);
  EXPECT_GT(std::fabs(echo.right[at + 50]), 0.1);  // the first echo comes back on the other side
  EXPECT_NEAR(echo.right[at - 50], 0.0, 1e-6);

  StereoBuffer room(kSampleRate);
  MixInto(room, click, 0, 0.0);
  ApplyReverb(room, 0.8, 0.5, 0.5);
  EXPECT_GT(MaxAbs(room.left, kSampleRate / 4, kSampleRate / 2), 1e-4);  // a tail long after the click
}

TEST(Synth, LoudnessReachesTheTargetAndPeaksStayUnderTheCeiling) {
  StereoBuffer b(kSampleRate);
  for (size_t i = 0; i < b.Frames(); ++i) {
    b.left[i] = float(0.1 * std::sin(i * 0.03));
    b.right[i] = (i % 5000 == 0) ? 0.9f : b.left[i];  // rare spikes
  }
  NormaliseLoudness(b, 0.3, 0.7, 0.86);
  EXPECT_LE(Peak(b), 0.86 + 1e-6);
  EXPECT_NEAR(Rms(b), 0.3, 0.03);
  ApplyFades(b, 0.1, 0.1);
  EXPECT_EQ(b.left.front(), 0.f);
  EXPECT_LT(std::fabs(b.left.back()), 1e-4);
  StereoBuffer silent(10);
  NormaliseLoudness(silent, 0.3, 0.7, 0.86);  // nothing to scale: stays silent
  EXPECT_EQ(Peak(silent), 0.0);
}

TEST(Synth, NoiseIsRepeatableAndBounded) {
  Noise a(9), b(9), c(10);
  bool differs = false;
  for (int i = 0; i < 1000; ++i) {
    float x = a.Next();
    EXPECT_EQ(x, b.Next());
    EXPECT_GE(x, -1.f);
    EXPECT_LT(x, 1.f);
    differs |= x != c.Next();
  }
  EXPECT_TRUE(differs);
}
