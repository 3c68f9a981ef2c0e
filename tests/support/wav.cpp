#include "wav.h"

#include <cmath>
#include <cstdint>

#include "util/little_endian.h"

std::string MakeToneWav(int milliseconds, int rate) {
  const int samples = rate * milliseconds / 1000;
  std::string data;
  for (int i = 0; i < samples; ++i) {
    auto v = static_cast<int16_t>(3000 * std::sin(i * 0.05));
    AppendLe16(data, static_cast<uint16_t>(v));
  }
  auto u32 = [](uint32_t v) {
    std::string s;
    AppendLe32(s, v);
    return s;
  };
  auto u16 = [](uint16_t v) {
    std::string s;
    AppendLe16(s, v);
    return s;
  };
  std::string wav = "RIFF" + u32(static_cast<uint32_t>(36 + data.size())) + "WAVE";
  wav += "fmt " + u32(16) + u16(1) + u16(1) + u32(static_cast<uint32_t>(rate)) +
         u32(static_cast<uint32_t>(rate * 2)) + u16(2) + u16(16);
  wav += "data" + u32(static_cast<uint32_t>(data.size())) + data;
  return wav;
}
