#pragma once
// The icons a desktop or a browser shows for the installed game: the window icon's picture on a
// transparent background, as PNG files of the sizes a hicolor icon theme holds, or of the sizes
// browsers ask a web app for (a home screen's 180 and 192, a splash screen's 512).
#include <span>
#include <string>

namespace contentgen {

constexpr int kDesktopIconSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int kWebIconSizes[] = {180, 192, 512};

// Writes FOLDER/SIZE.png for each size; false (with a message) on failure.
bool bWriteIcons(const std::string& folder, std::span<const int> sizes);

}  // namespace contentgen
