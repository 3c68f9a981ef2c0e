// The keyboard's keys as the game's codes (platform/window.h): SDL's key symbols translated once
// here, for every side that runs on SDL.
#include "platform/sdl/sdl_internal.h"
#include "platform/window.h"

namespace {
// Enter and Backspace for typing a name; any other key is just a key.
PlatformEventKind TypingKey(const SDL_Keysym& key) {
  bool enter = key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER;
  if (enter && (key.mod & KMOD_ALT) == 0) return kEventEnter;
  if (key.sym == SDLK_BACKSPACE) return kEventBackspace;
  return kEventKey;
}

}  // namespace

int PlatformSdlKeyCode(const SDL_Keysym& key) {
  const SDL_Keycode sym = key.sym;
  if (sym >= SDLK_a && sym <= SDLK_z) return static_cast<int>(sym);
  switch (sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return (key.mod & KMOD_ALT) != 0 ? kKeyAltEnter : kKeyEnter;
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_SPACE: return kKeySpace;
    case SDLK_PLUS:
    case SDLK_EQUALS:
    case SDLK_KP_PLUS: return kKeyPlus;
    case SDLK_MINUS:
    case SDLK_KP_MINUS: return kKeyMinus;
    case SDLK_UP: return kKeyUp;
    case SDLK_DOWN: return kKeyDown;
    case SDLK_LEFT: return kKeyLeft;
    case SDLK_RIGHT: return kKeyRight;
    case SDLK_PAUSE: return kKeyPause;
    case SDLK_F1: return kKeyF1;
    case SDLK_F11: return kKeyF11;
    default: return kKeyOther;
  }
}

PlatformEventKind PlatformSdlKeyKind(const SDL_Keysym& key) {
  return key.sym == SDLK_ESCAPE ? kEventEscape : TypingKey(key);
}
