#include "play/language_switch.h"

#include "content/catalogue.h"
#include "diag/debug_log.h"
#include "play/translations.h"

namespace {
// Each language's name as its speakers write it.
constexpr const char* kLanguageNames[kLanguageCount] = {
    "English", "Deutsch", "Español", "Français", "Italiano", "日本語",
    "한국어",  "Polski",  "Português (Brasil)", "Русский", "简体中文"};
}  // namespace

const char* szLanguageName(const std::string& code) {
  for (int i = 0; i < kLanguageCount; ++i) {
    if (code == kLanguageCodes[i]) return kLanguageNames[i];
  }
  return kLanguageNames[0];
}

std::string LanguageInUse() {
  const std::string code = szLanguageInUse();
  return code.empty() ? "en" : code;
}

bool bSwitchLanguage(const std::string& code) {
  const std::string pictures = code == "en" ? "" : code;
  if (!bUseLanguage(pictures.c_str())) return false;
  vDebugLog("bSwitchLanguage() %s\n", code.c_str());
  bLoadTexts(pictures);
  vLoadBitmaps();
  return true;
}
