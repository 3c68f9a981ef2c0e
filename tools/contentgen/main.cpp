// tavimora_contentgen: writes the game's content tree (art archive, icons, sounds, music, level
// patterns), the table of the level order, or preview pictures of the art.
//
//   tavimora_contentgen --out CONTENT_DIR --layouts LAYOUT_DIR [--catalogues PO_DIR] [--write-order TABLE]
//   tavimora_contentgen --layouts LAYOUT_DIR --write-order TABLE
//   tavimora_contentgen --preview PREVIEW_DIR [--layouts LAYOUT_DIR] [--catalogues PO_DIR]
//   tavimora_contentgen --icons ICON_DIR      (the desktop icons, 16.png ... 256.png)
//   tavimora_contentgen --web-icons ICON_DIR  (the web app's icons, 180.png, 192.png, 512.png)
//   tavimora_contentgen --colour-check COUNT  (the closest pairs of faces of both tile sets as
//                                              players with a colour-vision deficiency see them)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "content_writer.h"
#include "desktop_icons.h"
#include "preview.h"

using namespace contentgen;

namespace {

constexpr int kDealSeeds = 200;

int Usage() {
  std::fprintf(stderr,
               "usage: tavimora_contentgen --out CONTENT_DIR --layouts LAYOUT_DIR [--catalogues PO_DIR] [--write-order TABLE]\n"
               "       tavimora_contentgen --layouts LAYOUT_DIR --write-order TABLE\n"
               "       tavimora_contentgen --preview PREVIEW_DIR [--layouts LAYOUT_DIR] [--catalogues PO_DIR]\n"
               "       tavimora_contentgen --icons ICON_DIR\n"
               "       tavimora_contentgen --web-icons ICON_DIR\n"
               "       tavimora_contentgen --colour-check COUNT\n"
               "       tavimora_contentgen --music SOUND_DIR --music-kbps KBPS   (the music alone)\n");
  return 2;
}

bool bMakeFolder(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  if (ec) std::fprintf(stderr, "tavimora_contentgen: cannot create %s: %s\n", path.c_str(), ec.message().c_str());
  return !ec;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, layouts, preview, icons, webIcons, order, music, catalogues;
  int musicKbps = kMusicKbps, colourCheck = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--out") == 0) out = argv[i + 1];
    else if (std::strcmp(argv[i], "--layouts") == 0) layouts = argv[i + 1];
    else if (std::strcmp(argv[i], "--catalogues") == 0) catalogues = argv[i + 1];
    else if (std::strcmp(argv[i], "--preview") == 0) preview = argv[i + 1];
    else if (std::strcmp(argv[i], "--icons") == 0) icons = argv[i + 1];
    else if (std::strcmp(argv[i], "--web-icons") == 0) webIcons = argv[i + 1];
    else if (std::strcmp(argv[i], "--write-order") == 0) order = argv[i + 1];
    else if (std::strcmp(argv[i], "--music") == 0) music = argv[i + 1];
    else if (std::strcmp(argv[i], "--music-kbps") == 0) musicKbps = std::atoi(argv[i + 1]);
    else if (std::strcmp(argv[i], "--colour-check") == 0) colourCheck = std::atoi(argv[i + 1]);
    else return Usage();
  }
  if (argc % 2 == 0) return Usage();
  if (colourCheck > 0) {
    PrintColourCheck(colourCheck);
    return 0;
  }
  // The web page's copy of the music is smaller: a browser downloads it before playing.
  if (!music.empty()) return bMakeFolder(music) && bWriteMusic(music, musicKbps) ? 0 : 1;
  if (!icons.empty()) return bMakeFolder(icons) && bWriteIcons(icons, kDesktopIconSizes) ? 0 : 1;
  if (!webIcons.empty()) return bMakeFolder(webIcons) && bWriteIcons(webIcons, kWebIconSizes) ? 0 : 1;
  if (!preview.empty()) {
    std::vector<Layout> shown;
    if (!layouts.empty() && !bLoadLayouts(layouts, shown)) return 1;
    return bMakeFolder(preview) && bWritePreviews(preview, shown, catalogues) ? 0 : 1;
  }
  if (layouts.empty() || (out.empty() && order.empty())) return Usage();
  if (!order.empty() && !bWriteLevelOrder(layouts, order)) return 1;
  if (out.empty()) return 0;

  std::string art = out + "/art", sound = out + "/sound", levels = out + "/levels";
  bool ok = bMakeFolder(art) && bMakeFolder(sound) && bMakeFolder(levels) &&
            bWriteLevels(layouts, levels, kDealSeeds) && bWriteArt(art, catalogues) && bWriteSoundEffects(sound) &&
            bWriteMusic(sound, kMusicKbps);
  return ok ? 0 : 1;
}
