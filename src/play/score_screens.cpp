#include "play/score_screens.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/clock.h"
#include "play/cues.h"
#include "play/game_state.h"
#include "play/notes.h"
#include "play/pointer.h"
#include "play/input.h"
#include "play/screen_loop.h"
#include "play/translations.h"
#include "rules/score_table.h"
#include "save/scores.h"
#include "screens/mouse_zones.h"
#include "screens/screen_layout.h"
#include "screens/text.h"
#include "screens/zones.h"

namespace {
constexpr uint32_t kTableLimitMs = 60000;
constexpr char kDefaultName[] = "Player";

// The panel's top-left corner: centred on the screen.
constexpr int kPanelX = screen::iCentredX(screen::kScorePanelWidth);
constexpr int kPanelY = screen::iCentredY(screen::kScorePanelHeight);
constexpr int kPanelCentreX = kPanelX + screen::kScorePanelWidth / 2;

// A score with its thousands marked as the language marks them.
std::string FormatScore(int32_t score) { return GroupDigits(score, Tr("1,000")); }

// Starts a screen of its own: a fresh zone table with a full-screen zone of that name.
void vStartScoreScreen(const char* backgroundZone) {
  gMouseZones.Clear();
  AddWholeScreenZone(backgroundZone);
  gFrameStack.Select(gResources.iFrameVB);
}

// The name typed so far, then what an input method is composing (underlined, not yet part of
// the name), then the caret, all within the field.
void vDrawTypedName(const std::string& name, const std::string& composing) {
  const int x = kPanelX + screen::kEntryNameX, y = kPanelY + screen::kEntryNameY;
  const int room = screen::kEntryNameWidth;
  const int typed = iDrawText(name, x, y, room);
  const int composed = iDrawText(composing, x + typed, y, room - typed);
  if (composed > 0) FadeFrame(x + typed, y + screen::kGlyphBaseline + 3, composed, 2, 110, 110, 110);
  iDrawText("_", x + typed + composed, y, room - typed - composed);
}

void vDrawNameEntry(int rank, int32_t score, const std::string& name, const std::string& composing) {
  gResources.scorePanel.Draw(kPanelX, kPanelY);
  vDrawTextCentred(Tr("NEW HIGH SCORE!"), kPanelCentreX, kPanelY + screen::kScoreHeadingY);
  std::string place = Tr("Rank %d", {rank + 1}) + "  \xC2\xB7  " + FormatScore(score);
  vDrawTextCentred(place, kPanelCentreX, kPanelY + screen::kEntryRankY);
  vDrawTextCentred(Tr("Type your name:"), kPanelCentreX, kPanelY + screen::kEntryPromptY);
  vDrawTypedName(name, composing);
  vDrawTextCentred(Tr("Enter or OK to confirm"), kPanelCentreX, kPanelY + screen::kEntryHintY);
  gResources.okButton.Draw(kPanelX + screen::kNameOkButton.x, kPanelY + screen::kNameOkButton.y);
}

// Applies what was typed: text, Backspace; true when Enter came.
bool bApplyTyped(std::string& name, const std::string& typed) {
  std::string text;
  for (char key : typed) {
    if (key != kTypedEnter && key != kTypedBackspace) {
      text += key;
      continue;
    }
    AppendTyped(name, text);
    text.clear();
    if (key == kTypedEnter) return true;
    EraseLastCharacter(name);
  }
  AppendTyped(name, text);
  return false;
}

// The name entry: the typed name on Enter or "NAME_OK", the offered one on Escape or shutdown.
std::string NameEntry(int rank, int32_t score) {
  ScreenLoop loop(kClickGuardMs);
  loop.EndsOnEscape();
  std::string offered = CleanName(LastEnteredName());
  if (offered.empty()) offered = Tr(kDefaultName);
  vStartScoreScreen("NAME_ENTRY");
  NoteOverPicture note;
  ScreenZones zones;
  zones.Add("NAME_OK", screen::kNameOkButton, kPanelX, kPanelY);
  WantTypedText(true);
  vPlayCue(Cue::kButtonOver);
  std::string name = offered;
  std::string composing;
  bool redraw = true;
  char zone[kZoneNameSize];
  const bool confirmed = loop.Run(
      [&](PassWait& wake) {
        redraw = note.Changed(wake) || redraw;
        if (!redraw || !wake.FrameDue()) return;
        // A composition replaces the offered name once committed, so it shows in its place.
        vDrawNameEntry(rank, score, composing.empty() || name != offered ? name : "", composing);
        note.Draw();
        ShowFrame(kActiveSlot);
        redraw = false;
      },
      [&] {
        std::string typed = TakeTypedKeys();
        if (!typed.empty() && name == offered && typed[0] != kTypedBackspace &&
            typed[0] != kTypedEnter) {
          name.clear();  // typing replaces the offered name; Backspace edits it
        }
        const std::string nowComposing = ComposingText();
        redraw = redraw || !typed.empty() || nowComposing != composing;
        composing = nowComposing;
        if (bApplyTyped(name, typed)) return PassResult::kEnd;
        if (!loop.bZone(zone)) return PassResult::kGoOn;
        if (bZoneIs(zone, "NAME_OK")) return PassResult::kEnd;
        loop.Renew(kClickGuardMs);
        return PassResult::kGoOn;
      });
  WantTypedText(false);
  if (!confirmed) return offered;
  vPlayCue(Cue::kGoodMove);
  return name;
}

void vDrawTable(int highlight) {
  gResources.scorePanel.Draw(kPanelX, kPanelY);
  vDrawTextCentred(Tr("HIGH SCORES"), kPanelCentreX, kPanelY + screen::kScoreHeadingY);
  for (int i = 0; i < kHighScoreEntries; ++i) {
    int y = kPanelY + screen::kTableFirstRowY + i * screen::kTableRowStep;
    if (i == highlight) {
      const screen::Rect& field = screen::kScoreField;
      FadeFrame(kPanelX + field.x + 8, y - 4, field.w - 16, screen::kGlyphHeight + 8, 40, 40, 30);
    }
    const HighScoreEntry& e = aHighScores[i];
    vDrawTextRight(std::to_string(i + 1) + ".", kPanelX + screen::kTableRankRight, y);
    iDrawText(std::string(e.name, strnlen(e.name, kHighScoreNameChars)),
              kPanelX + screen::kTableNameX, y, screen::kTableNameWidth);
    vDrawTextRight(FormatScore(e.score), kPanelX + screen::kTableScoreRight, y);
  }
  vDrawTextCentred(Tr("Click or press any key to close"), kPanelCentreX, kPanelY + screen::kTableFooterY);
}
}  // namespace

void NameFieldArea(int& x, int& y, int& w, int& h) {
  x = kPanelX + screen::kEntryNameX;
  y = kPanelY + screen::kEntryNameY;
  w = screen::kEntryNameWidth;
  h = screen::kGlyphHeight;
}

void vEnterHighScore(int32_t score) {
  int32_t scores[kHighScoreEntries];
  for (int i = 0; i < kHighScoreEntries; ++i) scores[i] = aHighScores[i].score;
  int rank = ScoreRank(scores, kHighScoreEntries, score);
  if (rank >= kHighScoreEntries) return;
  std::string name = NameEntry(rank, score);
  HighScoreEntry entry{};
  std::snprintf(entry.name, sizeof entry.name, "%s", name.c_str());
  entry.score = score;
  InsertScore(aHighScores, entry);
  bSaveHighScores();
  vSaveLastEnteredName(entry.name);
  if (gs.bShutdown == 0) vHighScoreTable(rank);
}

void vHighScoreTable(int highlight) {
  ScreenLoop loop(kClickGuardMs);
  vStartScoreScreen("SCORE_TABLE");
  loop.Until(timeGetTime() + kTableLimitMs).EndsOnEscape();
  NoteOverPicture note;
  bool shown = false;  // the table does not change while it is up, but for the note
  char zone[kZoneNameSize];
  loop.Run(
      [&](PassWait& wake) {
        shown = !note.Changed(wake) && shown;
        if (shown || !wake.FrameDue()) return;
        vDrawTable(highlight);
        note.Draw();
        ShowFrame(kActiveSlot);
        shown = true;
      },
      [&] {
        if (!loop.bGuardPassed()) return PassResult::kGoOn;
        const bool closed = bTakeAnyKey() || loop.bZone(zone);
        return closed ? PassResult::kEnd : PassResult::kGoOn;
      });
}
