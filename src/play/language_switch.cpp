#include "play/language_switch.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

#include "content/catalogue.h"
#include "diag/debug_log.h"
#include "platform/files.h"
#include "play/translations.h"
#include "save/settings.h"

namespace {
std::string gWaitedFor;  // the language whose files are on their way ("" for none)
bool gKeepWaitedFor = false;
std::atomic<bool> gFilesArrived{false};
}  // namespace

std::vector<std::string> GameLanguages() {
  std::vector<std::string> codes{"en"};
  for (std::string& code : ContentLanguages()) codes.push_back(std::move(code));
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
  // Loading stopped (an archive went unreadable): the pictures not reloaded stay as they were.
  if (szContentError[0] != '\0') vDebugLog("bSwitchLanguage() pictures kept: %s\n", szContentError);
  return true;
}

bool bFetchLanguage(const std::string& code, bool keep) {
  const std::vector<std::string> codes = GameLanguages();
  if (code == "en" || std::find(codes.begin(), codes.end(), code) == codes.end()) return false;
  const std::string folder = "content\\art\\" + code + "\\";
  if (!PlatformFetchFiles({folder + "content.idx", folder + "content.pak", folder + "texts", folder + "glyphs.txt"})) return false;
  vDebugLog("bFetchLanguage() %s\n", code.c_str());
  gWaitedFor = code;
  gKeepWaitedFor = keep;
  return true;
}

void vLanguageFilesArrived() { gFilesArrived.store(true); }

bool bShowArrivedLanguage() {
  if (!gFilesArrived.exchange(false) || gWaitedFor.empty() || !bSwitchLanguage(gWaitedFor)) return false;
  if (gKeepWaitedFor) vKeepLanguage(gWaitedFor);
  gWaitedFor.clear();
  return true;
}

void vKeepLanguage(const std::string& code) {
  Settings s = CurrentSettings();
  s.language = code;
  StoreSettings(s);
}
