#pragma once
// The run-length code of PCX scan lines, shared by the content generator and the tests that
// build PCX files of their own. Depends on nothing but the standard library.
#include <cstddef>
#include <cstdint>

namespace contentgen {

constexpr int kPcxMaxRun = 63;

// Appends the run-length code of `count` bytes to `out` (a std::vector<uint8_t> or a
// std::string): runs of at most 63, and a single byte of 192 or more (which would read as a
// count) written as a run of one.
template <typename Bytes>
void AppendRle(const uint8_t* bytes, size_t count, Bytes& out) {
  using Byte = typename Bytes::value_type;
  size_t i = 0;
  while (i < count) {
    uint8_t value = bytes[i];
    size_t run = 1;
    while (i + run < count && run < size_t(kPcxMaxRun) && bytes[i + run] == value) ++run;
    if (run > 1 || value >= 0xC0) out.push_back(Byte(0xC0 | run));
    out.push_back(Byte(value));
    i += run;
  }
}

}  // namespace contentgen
