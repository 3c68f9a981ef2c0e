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

// A line of captions: each one's lettering and the x of its middle.
struct CaptionRow {
  std::vector<Lettering> lines;
  std::vector<double> centres;
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
  std::string Name() const { return code_.empty() ? "en" : code_; }  // for messages

  // The English text in this language, in its script's counterpart of `face`, at `size` or
  // smaller so that its ink is at most `room` pixels wide, or as wide as the English text if
  // that is wider (the English is never set smaller). A text that would have to go below
  // kSmallestShare of the size is set at that floor and noted in Overflows().
  Lettering Fit(const std::string& english, Face face, bool bold, double size, double room) const;

  // The same for a line of spaced capitals (the title's subtitle): a space between letters and
  // three between words, where the script has letters.
  Lettering FitSpaced(const std::string& english, Face face, bool bold, double size, double room) const;

  // Lines that belong together (a message's two lines), each fitted to `room` as Fit() does and
  // all set at the smallest size any of them needs, so that they show in one size.
  std::vector<Lettering> FitTogether(const std::vector<std::string>& english, Face face, bool bold, double size,
                                     double room) const;

  // Captions side by side on one line, in order from the left, each under its own thing and
  // fitted to its room: all set at one size, and placed so that neighbours' inks stay `gap`
  // apart, a caption moving up to its shift from its centre where that makes the room. Set
  // smaller when that is not enough; two that clash even at the floor are noted in Overflows().
  struct Caption {
    std::string english;
    double centre, room;
    double shift = 0;
  };
  CaptionRow FitCaptions(const std::vector<Caption>& captions, Face face, bool bold, double size, double gap) const;

  // The English text in this language (the English itself when it has no translation).
  std::string Translate(const std::string& english) const;

  // One line per text that did not fit: the language, the text, its width and its room.
  const std::vector<std::string>& Overflows() const { return overflows_; }
  // Every English text asked for so far.
  const std::set<std::string>& Asked() const { return asked_; }

 private:
  Lettering Set(const std::string& english, const std::string& text, Face face, bool bold, double size,
                double room) const;
  // Fits each text to its room; returns the smallest size any of them took.
  double FitEach(const std::vector<Caption>& texts, Face face, bool bold, double size,
                 std::vector<Lettering>& fitted) const;
  std::string FamilyFor(Face face) const;

  std::string code_;
  std::map<std::string, std::string> translated_;
  mutable std::vector<std::string> overflows_;
  mutable std::set<std::string> asked_;
};

}  // namespace contentgen
