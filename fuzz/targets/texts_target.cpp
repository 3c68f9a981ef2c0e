// A language's table of run-time texts: whatever the bytes, every entry kept shows with its
// numbers, and a text the table lacks shows in English.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "play/translations.h"

namespace {
constexpr size_t kMaxInput = 16 * 1024;
}  // namespace

int FuzzTextTable(const uint8_t* data, size_t size) {
  if (size > kMaxInput) return 0;
  std::vector<std::string> problems;
  const TextTable table = ParseTextTable(std::string(reinterpret_cast<const char*>(data), size), problems);
  for (const auto& [english, translated] : table) {
    FUZZ_CHECK(!english.empty() && !translated.empty());
    Translated(table, english, {1, 2}, problems);
  }
  // A text the table lacks shows in English (the input may itself translate the probe).
  const std::string absent = "\x01 not in any table %d";
  if (table.count(absent) == 0) FUZZ_CHECK(Translated(table, absent, {7}, problems) == "\x01 not in any table 7");
  return 0;
}
