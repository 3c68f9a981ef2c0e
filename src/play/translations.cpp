#include "play/translations.h"

#include <cstdio>
#include <mutex>

#include "diag/debug_log.h"
#include "platform/files.h"
#include "rules/score_table.h"
#include "screens/text.h"

namespace {
constexpr size_t kLargestTable = 1 << 20;

std::mutex gLock;  // guards the two below
TextTable gTable;
bool gEnglish = true;

size_t iNumberMarks(const std::string& text) {
  size_t count = 0;
  for (size_t at = text.find("%d"); at != std::string::npos; at = text.find("%d", at + 2)) ++count;
  return count;
}

bool bEveryCharacterHasAGlyph(const std::string& text) {
  for (size_t pos = 0; pos < text.size();) {
    if (!bHasGlyph(NextCharacter(text, pos))) return false;
  }
  return true;
}

std::string WithNumbers(const std::string& text, const std::vector<int>& numbers) {
  std::string out;
  size_t next = 0, from = 0;
  for (size_t at = text.find("%d"); at != std::string::npos; at = text.find("%d", from)) {
    out += text.substr(from, at - from);
    out += next < numbers.size() ? std::to_string(numbers[next++]) : "";
    from = at + 2;
  }
  return out + text.substr(from);
}

std::string ReadTable(const std::string& path, bool& found) {
  std::string bytes;
  FILE* f = PlatformOpen(path.c_str(), "rb");
  found = f != nullptr;
  if (f == nullptr) return bytes;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0 && bytes.size() < kLargestTable;) {
    bytes.append(buffer, n);
  }
  std::fclose(f);
  return bytes;
}
}  // namespace

TextTable ParseTextTable(const std::string& bytes, std::vector<std::string>& problems) {
  TextTable table;
  size_t from = 0;
  for (;;) {
    const size_t englishEnd = bytes.find('\0', from);
    const size_t translatedEnd = englishEnd == std::string::npos ? englishEnd : bytes.find('\0', englishEnd + 1);
    if (translatedEnd == std::string::npos) break;
    std::string english = bytes.substr(from, englishEnd - from);
    std::string translated = bytes.substr(englishEnd + 1, translatedEnd - englishEnd - 1);
    from = translatedEnd + 1;
    if (english.empty() || translated.empty() || iNumberMarks(english) != iNumberMarks(translated)) {
      problems.push_back("unusable entry \"" + english + "\"");
    } else {
      table[english] = translated;
    }
  }
  if (from < bytes.size()) problems.push_back("the table ends in an entry cut short");
  return table;
}

std::string Translated(const TextTable& table, const std::string& english, const std::vector<int>& numbers,
                       std::vector<std::string>& problems) {
  const auto found = table.find(english);
  if (found == table.end()) {
    problems.push_back("no translation of \"" + english + "\"");
  } else if (!bEveryCharacterHasAGlyph(found->second)) {
    problems.push_back("no glyph for a character of \"" + found->second + "\"");
  } else {
    return WithNumbers(found->second, numbers);
  }
  return WithNumbers(english, numbers);
}

bool bLoadTexts(const std::string& language) {
  bool found = false;
  std::vector<std::string> problems;
  TextTable table;
  if (!language.empty()) table = ParseTextTable(ReadTable("content\\art\\" + language + "\\texts", found), problems);
  for (const std::string& problem : problems) vDebugLog("bLoadTexts() %s: %s\n", language.c_str(), problem.c_str());
  std::lock_guard<std::mutex> hold(gLock);
  gTable = std::move(table);
  gEnglish = !found;
  return found || language.empty();
}

std::string Tr(const std::string& english, const std::vector<int>& numbers) {
  std::vector<std::string> problems;
  std::string text;
  {
    std::lock_guard<std::mutex> hold(gLock);
    if (gEnglish) return WithNumbers(english, numbers);
    text = Translated(gTable, english, numbers, problems);
  }
  for (const std::string& problem : problems) vDebugLog("Tr() %s\n", problem.c_str());
  return text;
}

std::string GroupDigits(int64_t value, const std::string& thousand) {
  const bool shaped = thousand.size() >= 4 && thousand.front() == '1' &&
                      thousand.compare(thousand.size() - 3, 3, "000") == 0;
  const std::string mark = shaped ? thousand.substr(1, thousand.size() - 4) : ",";
  const std::string digits = std::to_string(value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value));
  std::string text = value < 0 ? "-" : "";
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += mark;
    text += digits[i];
  }
  return text;
}
