#include "wav.h"

#include <cmath>
#include <cstdint>

std::string MakeToneWav(int milliseconds, int rate) {
  const int samples = rate * milliseconds / 1000;
  std::string data;
  for (int i = 0; i < samples; ++i) {
    auto v = static_cast<int16_t>(3000 * std::sin(i * 0.05));
    data.push_back(static_cast<char>(v & 0xFF));
    data.push_back(static_cast<char>((v >> 8) & 0xFF));
  }
  auto u32 = [](uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
  };
  auto u16 = [](uint16_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
  };
  std::string wav = "RIFF" + u32(static_cast<uint32_t>(36 + data.size())) + "WAVE";
  wav += "fmt " + u32(16) + u16(1) + u16(1) + u32(static_cast<uint32_t>(rate)) +
         u32(static_cast<uint32_t>(rate * 2)) + u16(2) + u16(16);
  wav += "data" + u32(static_cast<uint32_t>(data.size())) + data;
  return wav;
}
