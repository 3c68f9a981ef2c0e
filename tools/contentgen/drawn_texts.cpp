#include "drawn_texts.h"

#include <algorithm>
#include <cstdio>

#include "art_screens.h"

namespace contentgen {
namespace {

// Lines centred on the score panel's field keep this far from either edge.
constexpr int kFieldMargin = 12;
constexpr int kFieldRoom = kScoreField.w - 2 * kFieldMargin;
// The options panel's columns: names end a gap before the volume's minus sign; the Language row's
// name keeps to its own room so that the language's own name has the rest of the row.
constexpr int kOptionsGap = 8;
constexpr int kOptionsNameRoom = kOptionsMinusX - kOptionsLabelX - kOptionsGap;
constexpr int kOptionsLanguageNameRoom = 200;
constexpr int kOptionsLanguageRoom = kOptionsValueRight - kOptionsLabelX - kOptionsLanguageNameRoom - 2 * kOptionsGap;
// The pause plaque's lines are centred on the message plaque's flat middle.
constexpr int kPlaqueRoom = int(kMessageBar.w - 2 * kMessageFlatInset - kMessageMargin);

// The volume's number is centred between the minus sign's left edge and the plus sign's right
// edge, and keeps a gap from both signs.
int VolumeRoom() {
  const int centre = (kOptionsMinusX + kOptionsValueRight) / 2;
  const int left = kOptionsMinusX + GlyphTextWidth("-") + kOptionsGap;
  const int right = kOptionsValueRight - GlyphTextWidth("+") - kOptionsGap;
  return 2 * std::min(centre - left, right - centre);
}

std::vector<std::string> KeysNeedingTranslation() {
  std::vector<std::string> keys;
  for (const ControlLine& line : ControlLines()) {
    if (line.keys[1] != '\0') keys.emplace_back(line.keys);
  }
  return keys;
}

// The names a key is shown by once the player gave it a command of their own; a letter is itself.
std::vector<std::string> KeyNames() {
  static const char* const kNames[] = {
#define CONTROL(key, command, name) name,
#define LINE(keys, action, first, last)
#include "play/control_table.def"
#undef CONTROL
#undef LINE
  };
  std::vector<std::string> names;
  for (const char* name : kNames) {
    if (name[1] != '\0') names.emplace_back(name);
  }
  return names;
}

std::vector<std::string> Actions() {
  std::vector<std::string> actions;
  for (const ControlLine& line : ControlLines()) actions.emplace_back(line.action);
  return actions;
}

}  // namespace

const std::vector<ControlLine>& ControlLines() {
  static const std::vector<ControlLine> lines = {
#define CONTROL(key, command, name)
#define LINE(keys, action, first, last) {keys, action},
#include "play/control_table.def"
#undef CONTROL
#undef LINE
  };
  return lines;
}

const std::vector<DrawnBox>& DrawnBoxes() {
  static const std::vector<DrawnBox> boxes = {
      {"controls list, keys column", kControlsKeysRoom, KeysNeedingTranslation()},
      {"controls list, actions column", kControlsActionRoom, Actions()},
      // A line of the player's own keys is cut at its column's edge; each name fits alone.
      {"controls list, a key's name", kControlsKeysRoom, KeyNames()},
      {"score panel, a centred line", kFieldRoom,
       {"Controls", "Enter: new keys; other keys: back", "NEW HIGH SCORE!", "Type your name:", "Enter or OK to confirm",
        "HIGH SCORES", "Click or press any key to close"}},
      // The options panel: a setting's name from the left, its value ending at the right, the
      // volume's number between its signs.
      {"options panel, a setting's name", kOptionsNameRoom,
       {"Music", "Effects", "Volume", "Full screen", "Pause when the game is left", "Controls"}},
      {"options panel, the Language row's name", kOptionsLanguageNameRoom, {"Language"}},
      {"options panel, a setting's value", kOptionsValueRight - kOptionsMinusX, {"on", "off", "show"}},
      {"options panel, the volume between its signs", VolumeRoom(), {"%d of %d"}},
      {"options panel, the language in use", kOptionsLanguageRoom, {"English"}},
      // The place shares its line with the score after it.
      {"name entry, the place", 300, {"Rank %d"}},
      {"score table, a name", kTableNameWidth, {"Player"}},
      {"pause plaque", kPlaqueRoom, {"PAUSED", "P or a click goes on"}},
      // The strip widens to the left for a longer note, as far as its panel picture's two halves
      // reach.
      {"short note", 2 * kNotePanelWidth - 2 * kNoteMargin,
       {"Music on", "Music off", "Effects on", "Effects off", "Volume %d of %d", "That key stays as it is"}, "8"},
      // Joined with ": " and a command's name (the longest action fits with it).
      {"controls page, the line asking for a new key", kFieldRoom - 300, {"New key for"}},
      {"short note, a key swapped", 2 * kNotePanelWidth - 2 * kNoteMargin - 300, {"Swapped with"}},
  };
  return boxes;
}

std::string DrawnText(const Language& language, const std::string& english, const std::string& widest) {
  std::string text = language.Translate(english);
  for (size_t at = text.find("%d"); at != std::string::npos; at = text.find("%d", at)) text.replace(at, 2, widest);
  return text;
}

std::vector<std::string> DrawnTextOverflows(const Language& language, const std::vector<DrawnBox>& boxes) {
  std::vector<std::string> overflows;
  for (const DrawnBox& box : boxes) {
    for (const std::string& english : box.texts) {
      const std::string text = DrawnText(language, english, box.widest);
      const int width = GlyphTextWidth(text);
      if (width <= box.room) continue;
      char line[200];
      std::snprintf(line, sizeof line, "\") is %d px wide; its box, the %s, has %d px", width, box.name.c_str(),
                    box.room);
      overflows.push_back(language.Name() + ": \"" + text + "\" (English \"" +
                          english + line);
    }
  }
  return overflows;
}

}  // namespace contentgen
