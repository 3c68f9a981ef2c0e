#include "play/language_switch.h"

#include <cstdio>

#include "content/catalogue.h"
#include "diag/debug_log.h"
#include "platform/files.h"
#include "play/translations.h"

std::vector<std::string> GameLanguages() {
  std::vector<std::string> codes{"en"};
  FILE* list = PlatformOpen("content\\art\\languages.txt", "rb");
  if (list == nullptr) return codes;
  char code[16];
  while (std::fscanf(list, "%15s", code) == 1) codes.emplace_back(code);
  std::fclose(list);
  return codes;
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
