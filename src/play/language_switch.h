#pragma once
// The game's languages as the options' Language row offers them, and the switch between them
// while the game runs.
#include <string>

// The languages in the order the row cycles through them: English, then the translations.
inline constexpr const char* kLanguageCodes[] = {"en", "de", "es", "fr", "it", "ja",
                                                 "ko", "pl", "pt_BR", "ru", "zh_CN"};
inline constexpr int kLanguageCount = sizeof kLanguageCodes / sizeof kLanguageCodes[0];

// The code of the language in use ("en" for English).
std::string LanguageInUse();

// Shows the game in `code` at once: its pictures and texts, each missing one English. False,
// leaving the language as it was, when the content has no such language. Game thread (it
// reloads the pictures the game thread draws).
bool bSwitchLanguage(const std::string& code);
