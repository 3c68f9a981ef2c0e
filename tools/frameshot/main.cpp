// tavimora_frameshot OUT.png [layout-number]
//
// Run from a folder that holds a content tree (the game's folder). Deals the layout (by default
// the one with the most tiles), stages a moment of play on it and writes the playing screen as it
// would be drawn to OUT.png. Needs no display: video runs on SDL's dummy driver.
#include <cstdio>
#include <cstdlib>

#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "content/video_setup.h"
#include "png_out.h"
#include "play/playing_screen.h"
#include "screens/render.h"
#include "staged_board.h"

namespace {
int iUsage() {
  std::fprintf(stderr, "usage: tavimora_frameshot OUT.png [layout-number]\n");
  return 2;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) return iUsage();
  char* end = nullptr;
  int layout = argc == 3 ? static_cast<int>(std::strtol(argv[2], &end, 10)) : iLargestLayout();
  if (argc == 3 && (end == argv[2] || *end != '\0' || layout < 0)) return iUsage();
  if (layout < 0 || iTilesInLayout(layout) <= 0) {
    std::fprintf(stderr, "no usable layout file under content/levels in this folder\n");
    return 1;
  }
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  if (!bInitVideo(nullptr)) return 1;
  int status = 1;
  if (!bStageBoard(layout)) {
    std::fprintf(stderr, "layout %d could not be dealt\n", layout);
  } else {
    gFrameStack.Select(gResources.iFrameVB);
    vDrawGameScreen();
    if (bWriteActiveBufferPng(argv[1])) {
      std::printf("layout %d at %d bits written to %s\n", layout, gFrameStack.Depth(), argv[1]);
      status = 0;
    }
  }
  gFrameStack.Shutdown();
  return status;
}
