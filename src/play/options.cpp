#include "play/options.h"

#include <string>

#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "play/game_state.h"
#include "play/input.h"
#include "play/language_switch.h"
#include "play/main_thread_asks.h"
#include "play/notes.h"
#include "play/pointer.h"
#include "play/screen_loop.h"
#include "play/translations.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "save/settings.h"
#include "screens/mouse_zones.h"
#include "screens/render.h"
#include "screens/screen_layout.h"
#include "screens/text.h"
#include "screens/zones.h"

namespace {

enum Row { kMusic, kEffects, kVolume, kFullScreen, kPauseAway, kLanguage, kControls, kOk, kRows };
constexpr const char* kRowZones[kRows] = {"OPT_MUSIC",     "OPT_EFFECTS",  "OPT_VOLUME",
                                          "OPT_FULLSCREEN", "OPT_PAUSEAWAY", "OPT_LANGUAGE",
                                          "OPT_CONTROLS",  "OPT_OK"};
constexpr const char* kRowLabels[kOk] = {"Music",      "Effects",  "Volume",  "Full screen",
                                         "Pause when the game is left", "Language", "Controls"};
static_assert(kOk == screen::kOptionsRows, "one row of the panel a setting");
constexpr char kVolumeDown[] = "OPT_VOLUME_DOWN";  // the minus sign before the volume

constexpr int kPanelX = screen::iCentredX(screen::kOptionsPanelWidth);
constexpr int kPanelY = screen::iCentredY(screen::kOptionsPanelHeight);

int iRowTop(int row) { return kPanelY + screen::kOptionsFirstRowY + row * screen::kOptionsRowStep; }

// The rows' zones, the minus sign's over the volume row, and the OK button's.
void vAddOptionZones(ScreenZones& zones) {
  for (int row = 0; row < kOk; ++row) zones.Add(kRowZones[row], screen::kOptionsRowZone, kPanelX, iRowTop(row));
  zones.Add(kVolumeDown, screen::kOptionsMinusZone, kPanelX, iRowTop(kVolume));
  zones.Add(kRowZones[kOk], screen::kOptionsOkButton, kPanelX, kPanelY);
}

std::string Switch(bool on) { return Tr(on ? "on" : "off"); }

std::string RowValue(int row, const Settings& s) {
  switch (row) {
    case kMusic: return Switch(s.music);
    case kEffects: return Switch(s.effects);
    case kFullScreen: return Switch(s.fullScreen);
    case kPauseAway: return Switch(s.pauseAway);
    case kLanguage: return Tr("English");  // each catalogue names its own language
    case kControls: return Tr("show");
    default: return "";
  }
}

// The volume as "-  5 of 8  +", the signs where their zones lie.
void vDrawVolume(int volume) {
  const int y = iRowTop(kVolume);
  const int minusX = kPanelX + screen::kOptionsMinusX, right = kPanelX + screen::kOptionsValueRight;
  iDrawText("-", minusX, y);
  vDrawTextRight("+", right, y);
  vDrawTextCentred(Tr("%d of %d", {volume, kVolumeSteps}), (minusX + right) / 2, y);
}

void vDrawOptions(const Settings& s, int lit) {
  gResources.optionsPanel.Draw(kPanelX, kPanelY);
  for (int row = 0; row < kOk; ++row) {
    iDrawText(Tr(kRowLabels[row]), kPanelX + screen::kOptionsLabelX, iRowTop(row));
    if (row == kVolume) vDrawVolume(s.volume);
    else vDrawTextRight(RowValue(row, s), kPanelX + screen::kOptionsValueRight, iRowTop(row));
  }
  const screen::Rect& ok = screen::kOptionsOkButton;
  gResources.okButton.Draw(kPanelX + ok.x, kPanelY + ok.y);
  if (const MouseZone* z = gMouseZones.Find(kRowZones[lit])) {
    FadeFrame(z->x, z->y, z->width, z->height, 60, 60, 30);
  }
}

// What lies beneath the panel, drawn again in the language now in use: over a game, the playing
// screen with its board hidden as the pause shows it (the panel covers the pause's plaque).
void vDrawBeneath(bool overGame) {
  static const int32_t kNoTiles[kBoardCells] = {};
  if (overGame) DrawGameScreen(gs, kNoTiles);
}

// The Language row: the next language of the list (`step` 1) or the one before (-1), shown at
// once and kept in the settings.
void vNextLanguage(int step) {
  const std::vector<std::string> codes = GameLanguages();
  const int count = static_cast<int>(codes.size());
  int at = 0;
  while (at < count && LanguageInUse() != codes[at]) ++at;
  for (int tried = 1; tried < count; ++tried) {
    const std::string& code = codes[((at + step * tried) % count + count) % count];
    if (bSwitchLanguage(code)) {
      vKeepLanguage(code);
      return;
    }
    if (bFetchLanguage(code, true)) return;  // shown once it has arrived
  }
}

// A row's setting changed one step up (Right, Choose, a press) or down (Left, the minus sign).
// The main thread carries out what only it may do and keeps it in the settings.
void vChangeRow(int row, int step) {
  switch (row) {
    case kMusic: AskMainThread(CommandRequest(Command::kMusic)); break;
    case kEffects: AskMainThread(CommandRequest(Command::kEffects)); break;
    case kVolume:
      AskMainThread(CommandRequest(step > 0 ? Command::kVolumeUp : Command::kVolumeDown));
      break;
    case kFullScreen: AskMainThread(CommandRequest(Command::kFullScreen)); break;
    case kPauseAway: {
      Settings s = CurrentSettings();
      s.pauseAway = !s.pauseAway;
      StoreSettings(s);
      break;
    }
    case kLanguage: vNextLanguage(step); break;
    default: break;
  }
}

// What choosing a row does: OK ends the screen, Controls shows its page, the others change.
PassResult ChooseRow(int row, int step, bool& redraw) {
  if (row == kOk) return PassResult::kEnd;
  if (row == kControls) {
    vControlsScreen();
    vIgnoreHeldButtons();  // the press that closed the page is not the options'
    redraw = true;
  } else {
    vChangeRow(row, step);
  }
  return PassResult::kGoOn;
}

// The keys' and the pad's commands: Up and Down move the light, Left and Right change the lit
// row's setting, Choose chooses it.
PassResult ActOnCommands(MenuLight& light, bool& redraw) {
  for (Command c = TakeCommand(); c != Command::kNone; c = TakeCommand()) {
    if (c == Command::kUp || c == Command::kDown) {
      light.lit = (light.lit + (c == Command::kDown ? 1 : kRows - 1)) % kRows;
      redraw = true;
    } else if ((c == Command::kLeft || c == Command::kRight) && light.lit < kControls) {
      vChangeRow(light.lit, c == Command::kRight ? 1 : -1);
    } else if (c == Command::kChoose && ChooseRow(light.lit, 1, redraw) == PassResult::kEnd) {
      return PassResult::kEnd;
    }
  }
  return PassResult::kGoOn;
}

// A press on a row, the minus sign or OK.
PassResult ActOnZone(const char* name, MenuLight& light, bool& redraw) {
  if (bZoneIs(name, kVolumeDown)) {
    vChangeRow(kVolume, -1);
    return PassResult::kGoOn;
  }
  for (int row = 0; row < kRows; ++row) {
    if (!bZoneIs(name, kRowZones[row])) continue;
    light.lit = row;
    redraw = true;
    return ChooseRow(row, 1, redraw);
  }
  return PassResult::kGoOn;
}

constexpr int kColumnGap = 8;
constexpr int kKeysRoom = screen::kControlsActionX - screen::kControlsKeysX - kColumnGap;
constexpr int kActionRoom = screen::kScoreField.x + screen::kScoreField.w - screen::kControlsActionX - kColumnGap;
constexpr int kControlsX = screen::iCentredX(screen::kScorePanelWidth);
constexpr int kControlsY = screen::iCentredY(screen::kScorePanelHeight);

int iLineTop(int line) { return kControlsY + screen::kControlsFirstRowY + line * screen::kControlsRowStep; }

// The line of the controls page a press lies on, or -1.
int LineAt(int x, int y, int lines) {
  const int top = iLineTop(0) - (screen::kControlsRowStep - screen::kGlyphHeight) / 2;
  const int left = kControlsX + screen::kScoreField.x;
  if (x < left || x >= left + screen::kScoreField.w || y < top) return -1;
  const int line = (y - top) / screen::kControlsRowStep;
  return line < lines ? line : -1;
}

// The player giving a line keys of their own: the line, and the command of it whose key comes
// next (kNone while no line is being given keys).
struct NewKeys {
  int line = -1;
  Command next = Command::kNone;
};

void vDrawControls(int lit, const NewKeys& asking) {
  gResources.scorePanel.Draw(kControlsX, kControlsY);
  const int middle = kControlsX + screen::kScorePanelWidth / 2;
  vDrawTextCentred(Tr("Controls"), middle, kControlsY + screen::kScoreHeadingY);
  const std::vector<ControlsLine> lines = ControlsLines();
  for (size_t i = 0; i < lines.size(); ++i) {
    const int top = iLineTop(static_cast<int>(i));
    // A translation longer than its column is cut rather than run into the next.
    iDrawText(lines[i].keys, kControlsX + screen::kControlsKeysX, top, kKeysRoom);
    iDrawText(Tr(lines[i].action), kControlsX + screen::kControlsActionX, top, kActionRoom);
  }
  if (lit >= 0) {
    FadeFrame(kControlsX + screen::kScoreField.x, iLineTop(lit) - 3, screen::kScoreField.w,
              screen::kControlsRowStep, 60, 60, 30);
  }
  const std::string footer = asking.next != Command::kNone
                                 ? Tr("New key for") + ": " + Tr(CommandName(asking.next))
                                 : Tr("Enter: new keys; other keys: back");
  vDrawTextCentred(footer, middle, kControlsY + screen::kControlsFooterY);
}

// A key pressed for the command asked: it takes the place of the command's first key of its
// kind, and the player is told what gave it up or that it stays.
void vTakeNewKey(NewKeys& asking, int key) {
  const KeyChange change = GiveKey(KeyOf(asking.next, IsPadKey(key)), key);
  if (!change.given) {
    vPutNote(Tr("That key stays as it is"), timeGetTime(), kSoundNoteMs);
    return;
  }
  if (change.tradedWith != Command::kNone && change.tradedWith != asking.next) {
    vPutNote(Tr("Swapped with") + ": " + Tr(CommandName(change.tradedWith)), timeGetTime(), kSoundNoteMs);
  }
  const ControlsLine line = ControlsLines()[static_cast<size_t>(asking.line)];
  asking.next = asking.next == line.last ? Command::kNone : static_cast<Command>(static_cast<int>(asking.next) + 1);
  if (asking.next == Command::kNone) asking.line = -1;
}

void vAskNewKeys(NewKeys& asking, int line) {
  asking.line = line;
  asking.next = ControlsLines()[static_cast<size_t>(line)].first;
}

// A key on the controls page: while a line is given keys, the key for its next command; else Up
// and Down light a line, Choose gives the lit one new keys, and any other key goes back.
PassResult ActOnControlsKey(int key, int& lit, NewKeys& asking) {
  const int lines = static_cast<int>(ControlsLines().size());
  if (asking.next != Command::kNone) {
    vTakeNewKey(asking, key);
    return PassResult::kGoOn;
  }
  const Command c = CommandOf(key);
  if (c == Command::kUp || c == Command::kDown) {
    lit = lit < 0 ? (c == Command::kDown ? 0 : lines - 1) : (lit + (c == Command::kDown ? 1 : lines - 1)) % lines;
    return PassResult::kGoOn;
  }
  if (c == Command::kChoose && lit >= 0) {
    vAskNewKeys(asking, lit);
    return PassResult::kGoOn;
  }
  return PassResult::kEnd;
}
}  // namespace

void vOptionsScreen(OptionsOver beneath) {
  ScreenLoop loop(kClickGuardMs);
  loop.EndsOnEscape();
  PointerMotionWanted motion;
  vDebugLog("vOptionsScreen()\n");
  gs.iEscapePressed = 0;
  gFrameStack.Select(gResources.iFrameVB);
  const bool overGame = beneath == OptionsOver::kGame;
  vDrawBeneath(overGame);  // without the note of the screen before, which the panel's own replaces
  NoteOverPicture note;
  ScreenZones zones;
  vAddOptionZones(zones);
  MenuLight light;
  Settings shown;
  std::string language = LanguageInUse();
  bool redraw = true;
  char name[kZoneNameSize];
  loop.Run(
      [&](PassWait& wake) {
        const Settings now = CurrentSettings();
        const bool arrived = bShowArrivedLanguage();
        if (LanguageInUse() != language) {
          language = LanguageInUse();
          vDrawBeneath(overGame);
          note.KeepUnder();
        }
        const bool noteChanged = note.Changed(wake);
        const bool moved = bFollowPointer(light, kRowZones, kRows);
        if (arrived || moved || noteChanged || redraw || !(now == shown)) {
          vDrawOptions(now, light.lit);
          note.Draw();
          ShowFrame(kActiveSlot);
          shown = now;
          redraw = false;
        }
      },
      [&] {
        if (ActOnCommands(light, redraw) == PassResult::kEnd) return PassResult::kEnd;
        if (!loop.bZone(name)) return PassResult::kGoOn;
        loop.Renew(kClickGuardMs);
        return ActOnZone(name, light, redraw);
      });
  gs.iEscapePressed = 0;  // Escape closed the options, nothing beneath them
}

void vControlsScreen() {
  ScreenLoop loop(kClickGuardMs);
  loop.EndsOnEscape();
  vDebugLog("vControlsScreen()\n");
  gFrameStack.Select(gResources.iFrameVB);
  int lit = -1;
  NewKeys asking;
  bool redraw = true;
  std::string note;
  loop.Run(
      [&](PassWait& wake) {
        if (!bShortNoteChanged(note, wake) && !redraw) return;
        vDrawControls(lit, asking);
        DrawShortNote(note);
        ShowFrame(kActiveSlot);
        redraw = false;
      },
      [&] {
        for (int key = 0; TakeFreshKey(key);) {
          redraw = true;
          if (ActOnControlsKey(key, lit, asking) == PassResult::kEnd) return PassResult::kEnd;
        }
        PointerPress press;
        if (!loop.bPress(press)) return PassResult::kGoOn;
        const int line = LineAt(press.x, press.y, static_cast<int>(ControlsLines().size()));
        if (line < 0 || press.held) return PassResult::kEnd;
        lit = line;
        vAskNewKeys(asking, line);
        vIgnoreHeldButtons();
        loop.Renew(kClickGuardMs);
        redraw = true;
        return PassResult::kGoOn;
      });
  gs.iEscapePressed = 0;
}
