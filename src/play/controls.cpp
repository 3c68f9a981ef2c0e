#include "play/controls.h"

#include <algorithm>
#include <cctype>

#include "platform/window.h"
#include "play/translations.h"
#include "save/settings.h"

namespace {
struct NamedControl {
  Control control;
  const char* name;
};

#define CONTROL(key, command, name) {{key, Command::command}, name},
#define LINE(keys, action, first, last)
const NamedControl kTable[] = {
#include "play/control_table.def"
};
#undef CONTROL
#undef LINE

struct LineOfPage {
  const char* keys;
  const char* action;
  Command first, last;
};

#define CONTROL(key, command, name)
#define LINE(keys, action, first, last) {keys, action, Command::first, Command::last},
const LineOfPage kLines[] = {
#include "play/control_table.def"
};
#undef CONTROL
#undef LINE

bool IsLetter(int key) { return key >= 'a' && key <= 'z'; }

// A key the platform names (the table's, or any letter).
bool IsKnownKey(int key) {
  return IsLetter(key) ||
         std::any_of(std::begin(kTable), std::end(kTable),
                     [key](const NamedControl& row) { return row.control.key == key; });
}

// The shipped table with the settings' pairs applied all at once (a swap is two pairs). Pairs
// that would leave a key on two rows or name a key the game does not know give the shipped
// table: a file from elsewhere never takes a command's keys away.
std::vector<Control> Applied(const std::vector<std::pair<int, int>>& keys) {
  const std::vector<Control>& shipped = ShippedControls();
  std::vector<Control> table = shipped;
  for (const auto& pair : keys) {
    const int from = pair.first, own = pair.second;
    auto row = std::find_if(shipped.begin(), shipped.end(), [from](const Control& c) { return c.key == from; });
    if (row == shipped.end() || !IsKnownKey(own)) return shipped;
    table[static_cast<size_t>(row - shipped.begin())].key = own;
  }
  for (const Control& c : table) {
    if (std::count_if(table.begin(), table.end(), [&c](const Control& o) { return o.key == c.key; }) > 1) {
      return shipped;
    }
  }
  return table;
}

// The pairs that make `table` of the shipped one.
std::vector<std::pair<int, int>> PairsOf(const std::vector<Control>& table) {
  std::vector<std::pair<int, int>> pairs;
  const std::vector<Control>& shipped = ShippedControls();
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].key != shipped[i].key) pairs.emplace_back(shipped[i].key, table[i].key);
  }
  return pairs;
}

void vKeep(const std::vector<Control>& table) {
  Settings s = CurrentSettings();
  s.keys = PairsOf(table);
  StoreSettings(s);
}

bool InLine(const LineOfPage& line, Command c) { return c >= line.first && c <= line.last; }

// The keys of a line's commands as the player has them, named and joined.
std::string KeysOfLine(const LineOfPage& line, const std::vector<Control>& table) {
  const std::vector<Control>& shipped = ShippedControls();
  bool same = true;
  std::string keys;
  for (size_t i = 0; i < table.size(); ++i) {
    if (!InLine(line, table[i].command)) continue;
    same = same && table[i].key == shipped[i].key;
    keys += (keys.empty() ? "" : ", ") + KeyName(table[i].key);
  }
  if (!same) return keys;
  return line.keys[1] == '\0' ? line.keys : Tr(line.keys);  // a single key's letter stays as printed
}
}  // namespace

bool IsMainThreadCommand(Command c) { return c >= Command::kMusic; }

const std::vector<Control>& ShippedControls() {
  static const std::vector<Control> table = [] {
    std::vector<Control> rows;
    for (const NamedControl& row : kTable) rows.push_back(row.control);
    return rows;
  }();
  return table;
}

std::vector<Control> CurrentControls() { return Applied(CurrentSettings().keys); }

Command CommandOf(int key) {
  for (const Control& c : CurrentControls()) {
    if (c.key == key) return c.command;
  }
  return Command::kNone;
}

bool IsPadKey(int key) { return key >= kPadA && key <= kPadRight; }

KeyChange GiveKey(int oldKey, int newKey) {
  std::vector<Control> table = CurrentControls();
  auto on = [&table](int key) {
    return std::find_if(table.begin(), table.end(), [key](const Control& c) { return c.key == key; });
  };
  auto from = on(oldKey), holder = on(newKey);
  const bool backs = (from != table.end() && from->command == Command::kBack) ||
                     (holder != table.end() && holder->command == Command::kBack);
  if (from == table.end() || backs || !IsKnownKey(newKey) || IsPadKey(oldKey) != IsPadKey(newKey)) {
    return KeyChange{};
  }
  KeyChange change{true, Command::kNone};
  if (holder != table.end() && holder != from) {
    holder->key = oldKey;
    change.tradedWith = holder->command;
  }
  from->key = newKey;
  vKeep(table);
  return change;
}

int KeyOf(Command command, bool pad) {
  for (const Control& c : CurrentControls()) {
    if (c.command == command && IsPadKey(c.key) == pad) return c.key;
  }
  return 0;
}

void RestoreShippedKeys() { vKeep(ShippedControls()); }

std::string KeyName(int key) {
  if (IsLetter(key)) return std::string(1, static_cast<char>(std::toupper(key)));
  for (const NamedControl& row : kTable) {
    if (row.control.key == key) return Tr(row.name);
  }
  return "";
}

std::vector<ControlsLine> ControlsLines() {
  const std::vector<Control> table = CurrentControls();
  std::vector<ControlsLine> lines;
  for (const LineOfPage& line : kLines) {
    lines.push_back({KeysOfLine(line, table), line.action, line.first, line.last});
  }
  return lines;
}

const char* CommandName(Command command) {
  switch (command) {
    case Command::kUp: return "up";
    case Command::kDown: return "down";
    case Command::kLeft: return "left";
    case Command::kRight: return "right";
    case Command::kVolumeDown: return "volume down";
    case Command::kVolumeUp: return "volume up";
    default: break;
  }
  for (const LineOfPage& line : kLines) {
    if (InLine(line, command)) return line.action;
  }
  return "";
}
