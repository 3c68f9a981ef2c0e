// Game controllers: opened as they are plugged in, their buttons and left stick as the game's pad
// codes (platform/window.h).
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/sdl/sdl_internal.h"
#include "platform/window.h"

namespace {
// The pads in use, opened as they are plugged in (SDL announces those present at start too).
std::vector<SDL_GameController*> gPads;
// Which way each pad's left stick points now (a PlatformPadButton, or 0), so that a push counts
// once and comes again only after the stick went back.
std::vector<std::pair<SDL_JoystickID, int>> gStickWays;
constexpr Sint16 kStickPushed = 16384;  // half way
constexpr Sint16 kStickBack = 8192;

int PadButton(Uint8 button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_A: return kPadA;
    case SDL_CONTROLLER_BUTTON_B: return kPadB;
    case SDL_CONTROLLER_BUTTON_X: return kPadX;
    case SDL_CONTROLLER_BUTTON_Y: return kPadY;
    case SDL_CONTROLLER_BUTTON_START: return kPadStart;
    case SDL_CONTROLLER_BUTTON_BACK: return kPadBack;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return kPadLeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return kPadRightShoulder;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return kPadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return kPadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return kPadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return kPadRight;
    default: return kKeyOther;
  }
}

// The left stick as a d-pad: the direction it was pushed to, once, when it gets there.
int StickPush(const SDL_ControllerAxisEvent& a) {
  if (a.axis != SDL_CONTROLLER_AXIS_LEFTX && a.axis != SDL_CONTROLLER_AXIS_LEFTY) return kKeyOther;
  auto way = std::find_if(gStickWays.begin(), gStickWays.end(),
                          [&](const auto& w) { return w.first == a.which; });
  if (way == gStickWays.end()) way = gStickWays.insert(gStickWays.end(), {a.which, 0});
  const bool horizontal = a.axis == SDL_CONTROLLER_AXIS_LEFTX;
  const int negative = horizontal ? kPadLeft : kPadUp;
  const int positive = horizontal ? kPadRight : kPadDown;
  if (way->second == negative || way->second == positive) {
    if (a.value > -kStickBack && a.value < kStickBack) way->second = 0;
    return kKeyOther;
  }
  if (a.value <= -kStickPushed) way->second = negative;
  else if (a.value >= kStickPushed) way->second = positive;
  else return kKeyOther;
  return way->second;
}

void ForgetPad(SDL_JoystickID id) {
  for (auto pad = gPads.begin(); pad != gPads.end(); ++pad) {
    if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(*pad)) == id) {
      SDL_GameControllerClose(*pad);
      gPads.erase(pad);
      break;
    }
  }
  std::erase_if(gStickWays, [id](const auto& w) { return w.first == id; });
}

}  // namespace

bool PlatformSdlTranslatePad(const SDL_Event& e, PlatformEvent& out) {
  switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED:
      if (SDL_GameController* pad = SDL_GameControllerOpen(e.cdevice.which)) gPads.push_back(pad);
      return false;
    case SDL_CONTROLLERDEVICEREMOVED:
      ForgetPad(e.cdevice.which);
      return false;
    case SDL_CONTROLLERBUTTONDOWN: out.key = PadButton(e.cbutton.button); break;
    default: out.key = StickPush(e.caxis); break;
  }
  out.kind = kEventPadButton;
  return out.key != kKeyOther;
}

void PlatformSdlClosePads() {
  for (SDL_GameController* pad : gPads) SDL_GameControllerClose(pad);
  gPads.clear();
  gStickWays.clear();
}
