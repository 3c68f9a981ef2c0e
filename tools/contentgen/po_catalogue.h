#pragma once
// Translation catalogues (gettext .po files, and the .pot template) read with Debian's
// libgettextpo. Only entries a game can show are kept: an entry that is missing, empty, fuzzy or
// whose format directives do not match the English is left out, with a warning line, so that its
// text stays English. A file with errors in its syntax is not used at all.
#include <map>
#include <string>
#include <vector>

namespace contentgen {

struct Translations {
  std::string language;                            // "de", "pt_BR" (from the file's name)
  std::vector<std::string> english;                // every msgid, in file order
  std::map<std::string, std::string> translated;   // English -> its usable translation
};

// Reads one catalogue. False (with a warning) when the file cannot be read or has errors.
bool bReadTranslations(const std::string& path, Translations& catalogue, std::vector<std::string>& warnings);

// The catalogues of a folder, one per "<language>.po", sorted by language. Catalogues that
// cannot be used are left out, each with a warning.
std::vector<Translations> ReadAllTranslations(const std::string& folder, std::vector<std::string>& warnings);

}  // namespace contentgen
