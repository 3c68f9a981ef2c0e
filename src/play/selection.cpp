// The rules of selection, matching and hints applied to the game's board and state.
#include "play/selection.h"

#include "audio/sound_effects.h"
#include "diag/debug_log.h"
#include "platform/clock.h"
#include "play/cues.h"
#include "play/game_state.h"
#include "rules/hint.h"
#include "rules/level.h"
#include "rules/selection.h"

void vSelectTile(CellIndex cell) { vApplyOutcome(SelectTile(gs, Board, cell, timeGetTime())); }

void vMatchSelectedPair() { vApplyOutcome(MatchSelectedPair(gs, Board, timeGetTime())); }

bool bMoveAvailable() { return MoveAvailable(Board); }

void vGiveHint() {
  if (!GiveHint(gs, Board, timeGetTime())) return;
  vDebugLog("vGiveHint() Found Hint at %d and %d\n", gs.aiHintCell[0], gs.aiHintCell[1]);
  gSoundEffects.Stop(hint);
  vPlayCue(Cue::kHint);
}

void vStepHint() { StepHint(gs, timeGetTime()); }

void vStepShownScore() { StepShownScore(gs, timeGetTime()); }
