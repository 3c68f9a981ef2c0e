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

// Places captions of the inks' `widths` at their centres, or moved by up to their shift where
// a neighbour needs the room: those that clash pushed right, then pulled left. Returns 0, or the
// index of the first caption still too close to the one before it.
size_t PlaceCaptions(const std::vector<Language::Caption>& captions, const std::vector<double>& widths, double gap,
                     std::vector<double>& centres) {
  const size_t n = captions.size();
  const auto apart = [&](size_t i) { return (widths[i - 1] + widths[i]) / 2 + gap; };
  centres.assign(n, 0);
  for (size_t i = 0; i < n; ++i) centres[i] = captions[i].centre;
  for (size_t i = 1; i < n; ++i) {
    const double needed = centres[i - 1] + apart(i);
    if (centres[i] < needed) centres[i] = std::min(needed, captions[i].centre + captions[i].shift);
  }
  for (size_t i = n - 1; i-- > 0;) {
    const double limit = centres[i + 1] - apart(i + 1);
    if (centres[i] > limit) centres[i] = std::max(limit, captions[i].centre - captions[i].shift);
  }
  for (size_t i = 1; i < n; ++i) {
    if (centres[i] - centres[i - 1] < apart(i) - 1e-9) return i;
  }
  return 0;
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
  std::snprintf(line, sizeof line, "\") is %.0f px wide at %.1f px, its room is %.0f px", width * floor / size,
                floor, allowed);
  overflows_.push_back(Name() + ": \"" + text + "\" (English \"" + english + line);
  return l;
}

std::vector<Lettering> Language::FitTogether(const std::vector<std::string>& english, Face face, bool bold,
                                             double size, double room) const {
  std::vector<Caption> lines;
  for (const std::string& text : english) lines.push_back({text, 0, room});
  std::vector<Lettering> fitted;
  const double common = FitEach(lines, face, bold, size, fitted);
  for (Lettering& l : fitted) l.size = common;
  return fitted;
}

CaptionRow Language::FitCaptions(const std::vector<Caption>& captions, Face face, bool bold, double size,
                                 double gap) const {
  CaptionRow row;
  const double floor = size * kSmallestShare;
  std::vector<double> widths(captions.size());
  size_t clash = 0;
  // From the size the rooms allow, a quarter pixel smaller at a time until the row can be placed.
  for (double common = FitEach(captions, face, bold, size, row.lines);; common = std::max(floor, common - 0.25)) {
    for (size_t i = 0; i < captions.size(); ++i) {
      row.lines[i].size = common;
      widths[i] = InkWidth(row.lines[i]);
    }
    clash = PlaceCaptions(captions, widths, gap, row.centres);
    if (clash == 0 || common == floor) break;
  }
  if (clash != 0) {
    const Lettering& a = row.lines[clash - 1];
    const Lettering& b = row.lines[clash];
    char line[200];
    std::snprintf(line, sizeof line,
                  "\" overlap at %.1f px: half of each ink and the gap take %.0f px, their middles can be %.0f px apart",
                  a.size, (widths[clash - 1] + widths[clash]) / 2 + gap,
                  captions[clash].centre + captions[clash].shift - captions[clash - 1].centre +
                      captions[clash - 1].shift);
    overflows_.push_back(Name() + ": \"" + a.text + "\" and \"" + b.text + line);
  }
  return row;
}

double Language::FitEach(const std::vector<Caption>& texts, Face face, bool bold, double size,
                         std::vector<Lettering>& fitted) const {
  double smallest = size;
  for (const Caption& text : texts) {
    fitted.push_back(Fit(text.english, face, bold, size, text.room));
    smallest = std::min(smallest, fitted.back().size);
  }
  return smallest;
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
