#pragma once
// The texts the game draws itself from the glyphs while it runs (the controls list, the pause
// plaque, the name entry and the table, the short notes, the options panel), each with the box
// it is drawn in, so that the build measures every language's against its box as the game will
// lay it out.
#include <string>
#include <vector>

#include "layout_constants.h"
#include "lettering.h"

namespace contentgen {

// The controls page's columns, each ending a gap before the next column or the field's edge.
constexpr int kControlsColumnGap = 8;
constexpr int kControlsKeysRoom = kControlsActionX - kControlsKeysX - kControlsColumnGap;
constexpr int kControlsActionRoom = kScoreField.x + kScoreField.w - kControlsActionX - kControlsColumnGap;

struct DrawnBox {
  std::string name;  // where it lies, for the build's message
  int room;          // its width in pixels
  std::vector<std::string> texts;  // the English texts drawn in it
  const char* widest = "10";       // the widest number a %d in them stands for
};

// Every box the game draws text in, with the texts it draws there.
const std::vector<DrawnBox>& DrawnBoxes();

// The controls page's lines: the keys (a single key's letter is drawn as it is) and what they do,
// in the game's order.
struct ControlLine {
  const char* keys;
  const char* action;
};
const std::vector<ControlLine>& ControlLines();

// A drawn text in `language` as the game shows its widest: each %d as the number `widest`.
std::string DrawnText(const Language& language, const std::string& english, const std::string& widest = "10");

// One line per text of `language` wider than its box: the language, the text, its width, the
// box and its room. `boxes` are DrawnBoxes() unless a test gives its own.
std::vector<std::string> DrawnTextOverflows(const Language& language,
                                            const std::vector<DrawnBox>& boxes = DrawnBoxes());

}  // namespace contentgen
