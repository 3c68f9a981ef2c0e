// Video set-up at start-up: display depth, frame buffer, every image of the game.
#include "content/video_setup.h"

#include "content/catalogue.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/window.h"

namespace {
constexpr const char* kErrorCaption = "Graphics System Error";
constexpr const char* kNoDepthText =
    "Cannot set desktop resolution.  Your Video Card must support 800 x 600 resolution in 32, "
    "24, or 16 bit mode in order to play this game.";

// The first depth of 32, 24 and 16 bits the frame stack accepts; 0 when none does.
int iFirstWorkingDepth(void* window) {
  for (int16_t depth : {int16_t{32}, int16_t{24}, int16_t{16}}) {
    if (gFrameStack.Init(kFrameWidth, kFrameHeight, depth, window, bWindowed)) return depth;
  }
  return 0;
}
}  // namespace

bool bInitVideo(void* window, void (*vTitleLoaded)()) {
  if (iFirstWorkingDepth(window) == 0) {
    vDebugLog("Can't set res!!\n");
    PlatformErrorBox(kErrorCaption, kNoDepthText);
    return false;
  }
  // In a window the buffers have the desktop's depth whatever was asked for; sprites take the
  // buffers' depth so that their blocks and the buffers always agree.
  iColorDepth = gFrameStack.Depth();
  vDebugLog("Depth = %d\n", iColorDepth);
  gResources.iFrameVB = gFrameStack.CreateBuffer(kFrameWidth, kFrameHeight);
  vLoadBitmaps(vTitleLoaded);
  if (szContentError[0] != '\0') {
    gFrameStack.Shutdown();  // the desktop comes back before the message shows
    PlatformErrorBox(kErrorCaption, szContentError);
    return false;
  }
  return true;
}
