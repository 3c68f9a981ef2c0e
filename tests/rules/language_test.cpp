// The language chosen from the player's setting and the locale environment.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/language.h"

namespace {
struct LanguageCase {
  const char* what;
  const char* chosen;
  LocaleEnvironment env;
  std::vector<std::string> expected;
};

const LanguageCase kCases[] = {
    {"nothing set is English", "", {}, {}},
    {"LANG alone", "", {"", "", "", "de_DE.UTF-8"}, {"de_DE", "de"}},
    {"LC_MESSAGES before LANG", "", {"", "", "fr_FR.UTF-8", "de_DE.UTF-8"}, {"fr_FR", "fr"}},
    {"LC_ALL before LC_MESSAGES", "", {"", "ru_RU.UTF-8", "fr_FR", "de_DE"}, {"ru_RU", "ru"}},
    {"LANGUAGE before LC_ALL", "", {"ja", "ru_RU.UTF-8", "", ""}, {"ja"}},
    {"LANGUAGE is a list, in order", "", {"pl:de_AT", "", "", ""}, {"pl", "de_AT", "de"}},
    {"LANGUAGE's empty items are passed over", "", {"::it:", "", "", ""}, {"it"}},
    {"LANGUAGE alone decides, as in gettext", "", {"xx", "", "", "de_DE"}, {"xx"}},
    {"C is English", "", {"", "", "", "C"}, {}},
    {"C.UTF-8 is English", "", {"", "C.UTF-8", "", "de_DE"}, {}},
    {"POSIX is English", "", {"", "", "POSIX", ""}, {}},
    {"English in the list ends it", "", {"en_GB:de", "", "", ""}, {}},
    {"English after another language", "", {"fr:en:de", "", "", ""}, {"fr"}},
    {"codeset and modifier are dropped", "", {"", "", "", "de_AT.ISO-8859-15@euro"}, {"de_AT", "de"}},
    {"case is mended", "", {"", "", "", "PT_br.utf8"}, {"pt_BR", "pt"}},
    {"bare pt means Brazilian Portuguese", "", {"pt", "", "", ""}, {"pt", "pt_BR"}},
    {"bare zh means simplified Chinese", "", {"", "", "", "zh"}, {"zh", "zh_CN"}},
    {"zh_TW does not become simplified", "", {"", "", "", "zh_TW.UTF-8"}, {"zh_TW", "zh"}},
    {"a name with a path in it is passed over", "", {"../../etc:ko", "", "", ""}, {"ko"}},
    {"a name with a slash in its region is passed over", "", {"de_A/B", "", "", ""}, {}},
    {"the player's choice comes first", "ru", {"de", "", "", ""}, {"ru", "de"}},
    {"the player's English wins over the environment", "en", {"de", "", "", "fr_FR"}, {}},
    {"repeats are left out", "de", {"de_CH:de", "", "", ""}, {"de", "de_CH"}},
};
}  // namespace

TEST(Language, CandidatesFollowTheChoiceThenLanguageThenTheLocaleVariables) {
  for (const LanguageCase& c : kCases) {
    EXPECT_EQ(LanguageCandidates(c.chosen, c.env), c.expected) << c.what;
  }
}
