#pragma once
// The three background tracks: composed from a seed (pentatonic melodies over gentle chord
// progressions) and synthesised with plucked, bell and flute voices over soft pads.
#include <string>
#include <vector>

#include "synth.h"

namespace contentgen {

constexpr int kMusicTracks = 3;

// One composed note: when, how long (seconds), which pitch (MIDI), how loud, where.
struct MusicNote {
  double start, length, midi, level, pan;
  int voice;  // which instrument of the track plays it
};

struct Composition {
  double seconds = 0;  // the length of the piece, without the final ring-out
  std::vector<MusicNote> notes;
};

// The score of track 0..2 (pure: the same index always gives the same notes).
Composition ComposeTrack(int index);

// The finished stereo recording of a track: mixed, with echo and reverb, loudness-matched and
// faded at both ends.
StereoBuffer RenderTrack(int index);

}  // namespace contentgen
