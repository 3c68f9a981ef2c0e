#pragma once
// Turns the rules' outcomes into what the player hears and can click.
#include "rules/outcome.h"

// Plays the effect that goes with the cue (none for Cue::kNone).
void vPlayCue(Cue cue);

// Plays the outcome's cue and removes the mouse zones of any tiles it took off the board.
void vApplyOutcome(const MoveOutcome& outcome);
