#pragma once
// Writes each part of the game's content tree. Every function prints its own error message to
// stderr and returns false on failure.
#include <string>
#include <vector>

#include "layouts.h"

namespace contentgen {

// content/art: content.idx, content.pak, icon32.bmp, icon48.bmp; with a folder of translation
// catalogues, also <language>/content.idx and content.pak for each "<language>.po" there: the
// pictures that hold text, painted in that language, less those that come out the same as the
// English (the game takes the English one then). A catalogue that cannot be read is left out
// with a warning; a text that does not fit its room even at the smallest size fails, naming the
// picture, the language, the text and its room. Two faces of the clear tile set that come closer
// than kClearFacesMinimum under a simulated colour-vision deficiency fail, naming both and the
// deficiency.
bool bWriteArt(const std::string& artFolder, const std::string& catalogueFolder = "");

// Prints, for the classic and the clear tile set, the `count` closest pairs of faces under the
// simulated colour-vision deficiencies (colour_vision.h), with the clear set's minimum.
void PrintColourCheck(int count);

// content/sound: the six effects as WAV files.
bool bWriteSoundEffects(const std::string& soundFolder);

// content/sound: backmusic0.mp3 .. backmusic2.mp3, at `kbps` (the game's own at kMusicKbps).
constexpr int kMusicKbps = 128;
bool bWriteMusic(const std::string& soundFolder, int kbps);

// Reads and checks every layout source of a folder, in level order (see level_order.h).
bool bLoadLayouts(const std::string& layoutFolder, std::vector<Layout>& layouts);

// content/levels: level0.dat .. levelN.dat from the layout sources in level order, each checked
// and dealt `dealSeeds` times; stale level files past the last one are removed.
bool bWriteLevels(const std::string& layoutFolder, const std::string& levelFolder, int dealSeeds);

// The table of the level order with each layout's figures (the committed copy: data/levels.md).
bool bWriteLevelOrder(const std::string& layoutFolder, const std::string& tablePath);

}  // namespace contentgen
