#pragma once
// The icons a desktop shows for the installed game: the window icon's picture on a transparent
// background, as PNG files of the sizes a hicolor icon theme holds.
#include <string>

namespace contentgen {

constexpr int kDesktopIconSizes[] = {16, 32, 48, 64, 128, 256};

// Writes FOLDER/16.png ... FOLDER/256.png; false (with a message) on failure.
bool bWriteDesktopIcons(const std::string& folder);

}  // namespace contentgen
