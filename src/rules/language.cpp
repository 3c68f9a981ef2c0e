#include "rules/language.h"

#include <algorithm>
#include <cctype>

namespace {

bool bLetters(const std::string& s, size_t from, size_t to) {
  if (from >= to) return false;
  return std::all_of(s.begin() + long(from), s.begin() + long(to),
                     [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

// "de_at.UTF-8@euro" -> "de_AT"; "" when it is not a language name at all.
std::string Normalised(const std::string& name) {
  std::string s = name.substr(0, name.find_first_of(".@"));
  const size_t bar = s.find('_');
  const size_t end = bar == std::string::npos ? s.size() : bar;
  if (end < 2 || end > 3 || !bLetters(s, 0, end)) return "";
  if (bar != std::string::npos && (!bLetters(s, bar + 1, s.size()) || s.size() - bar - 1 > 3)) return "";
  for (size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    s[i] = static_cast<char>(i < end ? std::tolower(c) : std::toupper(c));
  }
  return s;
}

bool bIsEnglish(const std::string& name) {
  const std::string plain = name.substr(0, name.find_first_of(".@"));
  const std::string normalised = Normalised(name);
  return plain == "C" || plain == "POSIX" || normalised == "en" || normalised.starts_with("en_");
}

// Adds one name's candidates; false when the name is English, which ends the list.
bool bAddCandidates(const std::string& name, std::vector<std::string>& out) {
  if (bIsEnglish(name)) return false;
  const std::string full = Normalised(name);
  if (full.empty()) return true;
  std::vector<std::string> mine = {full};
  const std::string language = full.substr(0, full.find('_'));
  if (language != full) mine.push_back(language);
  // The one regional variant the game has of these, for a name without a region.
  if (full == "pt") mine.push_back("pt_BR");
  if (full == "zh") mine.push_back("zh_CN");
  for (const std::string& m : mine) {
    if (std::find(out.begin(), out.end(), m) == out.end()) out.push_back(m);
  }
  return true;
}

}  // namespace

std::vector<std::string> LanguageCandidates(const std::string& chosen, const LocaleEnvironment& env) {
  std::vector<std::string> out;
  if (!chosen.empty() && !bAddCandidates(chosen, out)) return out;
  if (!env.language.empty()) {
    size_t from = 0;
    while (from <= env.language.size()) {
      size_t to = env.language.find(':', from);
      if (to == std::string::npos) to = env.language.size();
      const std::string item = env.language.substr(from, to - from);
      if (!item.empty() && !bAddCandidates(item, out)) return out;
      from = to + 1;
    }
    return out;
  }
  for (const std::string* name : {&env.lcAll, &env.lcMessages, &env.lang}) {
    if (!name->empty()) {
      bAddCandidates(*name, out);
      break;
    }
  }
  return out;
}
