#include "lettering.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "rules/score_table.h"

namespace contentgen {
namespace {

// The Noto CJK faces carry a region in their names, for the forms of the Han characters that
// region writes; other scripts use our Latin faces, which hold Cyrillic and Polish too.
const char* CjkRegion(const std::string& code) {
  if (code == "ja" || code.starts_with("ja_")) return "JP";
  if (code == "ko" || code.starts_with("ko_")) return "KR";
  if (code == "zh_TW" || code == "zh_HK") return "TC";
  if (code == "zh" || code.starts_with("zh_")) return "SC";
  return nullptr;
}

double InkWidth(const Lettering& l) {
  Canvas probe(1, 1);
  SelectFont(probe.cr(), l);
  return MeasureText(probe.cr(), l.text).width;
}

std::string Spaced(const std::string& text) {
  std::string out;
  for (size_t pos = 0; pos < text.size();) {
    size_t start = pos;
    char32_t c = NextCharacter(text, pos);
    if (!out.empty()) out += c == U' ' ? "  " : " ";
    if (c != U' ') out += text.substr(start, pos - start);
  }
  return out;
}

}  // namespace

Lettering Untranslated(const std::string& text, Face face, bool bold, double size) {
  return {text, FamilyName(face), bold, size};
}

void SelectFont(cairo_t* cr, const Lettering& l) {
  cairo_select_font_face(cr, l.family.c_str(), CAIRO_FONT_SLANT_NORMAL,
                         l.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, l.size);
}

Language::Language(std::string code, std::map<std::string, std::string> translated)
    : code_(std::move(code)), translated_(std::move(translated)) {}

Lettering Language::Fit(const std::string& english, Face face, bool bold, double size, double room) const {
  return Set(english, Translate(english), face, bold, size, room);
}

Lettering Language::FitSpaced(const std::string& english, Face face, bool bold, double size, double room) const {
  std::string text = Translate(english);
  return Set(english, CjkRegion(code_) ? text : Spaced(text), face, bold, size, room);
}

Lettering Language::Set(const std::string& english, const std::string& text, Face face, bool bold, double size,
                        double room) const {
  asked_.insert(english);
  Lettering l{text, FamilyFor(face), bold, size};
  const double width = InkWidth(l);
  // The English art is the yardstick: a translation may always be as wide as the English was.
  const double allowed = std::max(room, InkWidth({english, FamilyName(face), bold, size}));
  if (width <= allowed) return l;
  const double floor = size * kSmallestShare;
  const double fitted = size * allowed / width;
  l.size = std::max(floor, fitted);
  if (fitted >= floor) return l;
  char line[160];
  std::snprintf(line, sizeof line, "\" is %.0f px wide at %.1f px, its room is %.0f px", width * floor / size,
                floor, allowed);
  overflows_.push_back(code_ + ": \"" + text + line);
  return l;
}

std::string Language::Translate(const std::string& english) const {
  auto it = translated_.find(english);
  return it == translated_.end() ? english : it->second;
}

std::string Language::FamilyFor(Face face) const {
  const char* region = CjkRegion(code_);
  if (region == nullptr) return FamilyName(face);
  return std::string(face == Face::Sans || face == Face::CjkSans ? "Noto Sans CJK " : "Noto Serif CJK ") + region;
}

}  // namespace contentgen
