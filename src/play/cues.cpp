#include "play/cues.h"

#include "audio/sound_effects.h"
#include "screens/zones.h"

namespace {
SoundEffect* EffectFor(Cue cue) {
  switch (cue) {
    case Cue::kButtonOver: return &button_over;
    case Cue::kGoodMove: return &goodmove;
    case Cue::kBadMove: return &badmove;
    case Cue::kNoMoves: return &nomoves;
    case Cue::kLevelClear: return &levelclear;
    case Cue::kHint: return &hint;
    case Cue::kNone: break;
  }
  return nullptr;
}

void vRemoveTileZone(CellIndex cell) {
  char name[kZoneNameSize];
  TileZoneName(cell, name);
  gMouseZones.Remove(name);
}
}  // namespace

void vPlayCue(Cue cue) {
  if (SoundEffect* effect = EffectFor(cue)) gSoundEffects.Play(*effect);
}

void vApplyOutcome(const MoveOutcome& outcome) {
  for (CellIndex cell : outcome.removed) {
    if (cell >= 0) vRemoveTileZone(cell);
  }
  vPlayCue(outcome.cue);
}
