#include "shell/language_setup.h"

#include <cstdlib>
#include <string>

#include "content/catalogue.h"
#include "diag/debug_log.h"
#include "play/language_switch.h"
#include "play/translations.h"
#include "rules/language.h"
#include "save/settings.h"

namespace {
std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}
}  // namespace

void vChooseLanguage() {
  const LocaleEnvironment env{Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
  for (const std::string& language : LanguageCandidates(CurrentSettings().language, env)) {
    if (bUseLanguage(language.c_str())) {
      bLoadTexts(language);
      return;
    }
    if (bFetchLanguage(language, false)) break;  // English until it has arrived
  }
  bUseLanguage("");
  bLoadTexts("");
  vDebugLog("vChooseLanguage() English\n");
}
