#pragma once
// Which language the game is shown in. As gettext does, the environment names it: LANGUAGE (a
// list, "de:fr"), else the first set of LC_ALL, LC_MESSAGES and LANG ("de_AT.UTF-8@euro"); the
// player's own choice (settings.txt) comes before them all.
#include <string>
#include <vector>

struct LocaleEnvironment {
  std::string language;  // LANGUAGE
  std::string lcAll;     // LC_ALL
  std::string lcMessages;  // LC_MESSAGES
  std::string lang;      // LANG
};

// The languages to look for, best first, as the catalogues are named ("de", "pt_BR"): a name with
// a region is followed by its language alone ("de_AT", "de"), and a bare "pt" or "zh" by the one
// variant the game has ("pt_BR", "zh_CN"). English ("en...", "C", "POSIX") ends the list, since
// the game needs nothing to show it; an empty list means English. Codesets and modifiers are
// dropped, and a name that is not letters with an optional "_REGION" is passed over.
std::vector<std::string> LanguageCandidates(const std::string& chosen, const LocaleEnvironment& env);
