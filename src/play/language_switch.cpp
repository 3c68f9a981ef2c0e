#include "play/language_switch.h"

#include "content/catalogue.h"
#include "diag/debug_log.h"
#include "play/translations.h"

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
