#include "audio_files.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <lame/lame.h>

#include "util/little_endian.h"

namespace contentgen {
namespace {

int16_t ToPcm(float s) { return int16_t(std::lround(std::clamp(double(s), -1.0, 1.0) * 32767.0)); }

std::vector<uint8_t> WavFile(const std::vector<int16_t>& interleaved, int channels) {
  uint32_t dataBytes = uint32_t(interleaved.size() * 2);
  std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
  out.reserve(44 + dataBytes);
  AppendLe32(out, 36 + dataBytes);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  AppendLe32(out, 16);
  AppendLe16(out, 1);  // PCM
  AppendLe16(out, uint16_t(channels));
  AppendLe32(out, kSampleRate);
  AppendLe32(out, uint32_t(kSampleRate * channels * 2));
  AppendLe16(out, uint16_t(channels * 2));
  AppendLe16(out, 16);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  AppendLe32(out, dataBytes);
  for (int16_t s : interleaved) AppendLe16(out, uint16_t(s));
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeWav(const std::vector<float>& mono) {
  std::vector<int16_t> pcm;
  pcm.reserve(mono.size());
  for (float s : mono) pcm.push_back(ToPcm(s));
  return WavFile(pcm, 1);
}

std::vector<uint8_t> EncodeWav(const StereoBuffer& stereo) {
  std::vector<int16_t> pcm;
  pcm.reserve(stereo.Frames() * 2);
  for (size_t i = 0; i < stereo.Frames(); ++i) pcm.push_back(ToPcm(stereo.left[i])), pcm.push_back(ToPcm(stereo.right[i]));
  return WavFile(pcm, 2);
}

std::vector<uint8_t> EncodeMp3(const StereoBuffer& stereo, int kbps) {
  lame_global_flags* lame = lame_init();
  if (!lame) return {};
  lame_set_in_samplerate(lame, kSampleRate);
  lame_set_out_samplerate(lame, kSampleRate);
  lame_set_num_channels(lame, 2);
  lame_set_mode(lame, JOINT_STEREO);
  lame_set_VBR(lame, vbr_off);
  lame_set_brate(lame, kbps);
  lame_set_quality(lame, 5);
  lame_set_bWriteVbrTag(lame, 0);
  lame_set_write_id3tag_automatic(lame, 0);
  if (lame_init_params(lame) < 0) {
    lame_close(lame);
    return {};
  }
  std::vector<short> left(stereo.Frames()), right(stereo.Frames());
  for (size_t i = 0; i < stereo.Frames(); ++i) left[i] = ToPcm(stereo.left[i]), right[i] = ToPcm(stereo.right[i]);
  std::vector<uint8_t> out;
  const size_t chunk = 8192;
  std::vector<unsigned char> buffer(chunk * 5 / 4 + 7200);
  bool ok = true;
  for (size_t at = 0; at < left.size() && ok; at += chunk) {
    int n = int(std::min(chunk, left.size() - at));
    int written = lame_encode_buffer(lame, &left[at], &right[at], n, buffer.data(), int(buffer.size()));
    ok = written >= 0;
    if (ok) out.insert(out.end(), buffer.begin(), buffer.begin() + written);
  }
  int written = ok ? lame_encode_flush(lame, buffer.data(), int(buffer.size())) : -1;
  if (written >= 0) out.insert(out.end(), buffer.begin(), buffer.begin() + written);
  lame_close(lame);
  if (!ok || written < 0) return {};
  return out;
}

}  // namespace contentgen
