#pragma once
// The language a picture is painted in: each English text becomes its translation, set in the
// faces of its script and fitted to the room the picture has for it.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "canvas.h"

namespace contentgen {

// One line of text as a picture shows it: the words, the font family, weight and size.
struct Lettering {
  std::string text;
  std::string family;
  bool bold = false;
  double size = 0;
};

// A text that needs no translation (the game's name, a question mark), in one of our faces.
Lettering Untranslated(const std::string& text, Face face, bool bold, double size);

void SelectFont(cairo_t* cr, const Lettering& lettering);

// A text set smaller than its design size to fit goes no smaller than this share of it.
constexpr double kSmallestShare = 0.7;

class Language {
 public:
  // English: the texts as written, in the faces the art chose.
  Language() = default;
  // `code` as in the catalogue's name ("de", "pt_BR"); texts without a translation stay English.
  Language(std::string code, std::map<std::string, std::string> translated);

  const std::string& Code() const { return code_; }  // "" for English

  // The English text in this language, in its script's counterpart of `face`, at `size` or
  // smaller so that its ink is at most `room` pixels wide, or as wide as the English text if
  // that is wider (the English is never set smaller). A text that would have to go below
  // kSmallestShare of the size is set at that floor and noted in Overflows().
  Lettering Fit(const std::string& english, Face face, bool bold, double size, double room) const;

  // The same for a line of spaced capitals (the title's subtitle): a space between letters and
  // three between words, where the script has letters.
  Lettering FitSpaced(const std::string& english, Face face, bool bold, double size, double room) const;

  // One line per text that did not fit: the language, the text, its width and its room.
  const std::vector<std::string>& Overflows() const { return overflows_; }
  // Every English text asked for so far.
  const std::set<std::string>& Asked() const { return asked_; }

 private:
  Lettering Set(const std::string& english, const std::string& text, Face face, bool bold, double size,
                double room) const;
  std::string Translate(const std::string& english) const;
  std::string FamilyFor(Face face) const;

  std::string code_;
  std::map<std::string, std::string> translated_;
  mutable std::vector<std::string> overflows_;
  mutable std::set<std::string> asked_;
};

}  // namespace contentgen
