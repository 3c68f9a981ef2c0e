// tavimora_frameshot as a web page (web builds only): stages the same moment of play as the
// desktop tool and presents the playing screen through the web platform, for the browser test
// that compares the presented frame with the desktop tool's picture. The page is told the
// layout when the frame is there (Module.onFrameShot), or -1.
#include <emscripten.h>

#include "content/video_setup.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "play/playing_screen.h"
#include "staged_board.h"

#pragma clang diagnostic ignored "-Wdollar-in-identifier-extension"

int main() {
  int layout = iLargestLayout();
  if (layout < 0 || !bInitVideo(nullptr) || !bStageBoard(layout)) {
    layout = -1;
  } else {
    gFrameStack.Select(gResources.iFrameVB);
    vDrawGameScreen();
    ShowFrame(kActiveSlot);
  }
  EM_ASM({ if (Module['onFrameShot']) Module['onFrameShot']($0); }, layout);
  return 0;
}
