#pragma once
// Little-endian 16- and 32-bit values in byte buffers, the order of every file the game and its
// tools read and write. `at` points into a buffer of bytes (char or unsigned char) with room for
// the value; Append grows a std::vector<uint8_t> or a std::string by one value.
#include <cstddef>
#include <cstdint>

inline uint16_t ReadLe16(const void* at) {
  const auto* p = static_cast<const unsigned char*>(at);
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

inline uint32_t ReadLe32(const void* at) {
  const auto* p = static_cast<const unsigned char*>(at);
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

inline void WriteLe16(void* at, uint16_t value) {
  auto* p = static_cast<unsigned char*>(at);
  p[0] = static_cast<unsigned char>(value);
  p[1] = static_cast<unsigned char>(value >> 8);
}

inline void WriteLe32(void* at, uint32_t value) {
  auto* p = static_cast<unsigned char*>(at);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

template <typename Bytes>
void AppendLe16(Bytes& out, uint16_t value) {
  size_t at = out.size();
  out.resize(at + 2);
  WriteLe16(out.data() + at, value);
}

template <typename Bytes>
void AppendLe32(Bytes& out, uint32_t value) {
  size_t at = out.size();
  out.resize(at + 4);
  WriteLe32(out.data() + at, value);
}
