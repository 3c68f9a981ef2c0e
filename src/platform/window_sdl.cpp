#include <atomic>
#include <cstdio>

#include "platform/display.h"
#include "platform/sdl_internal.h"
#include "platform/window.h"

namespace {
SDL_Window* gWindow = nullptr;
uint64_t gShownPresent = 0;
Uint32 gQuitEventType = 0;
std::atomic<int> gPointerX{0};
std::atomic<int> gPointerY{0};

// Enter and Backspace for typing a name; any other key is just a key.
PlatformEventKind TypingKey(const SDL_Keysym& key) {
  bool enter = key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER;
  if (enter && (key.mod & KMOD_ALT) == 0) return kEventEnter;
  if (key.sym == SDLK_BACKSPACE) return kEventBackspace;
  return kEventKey;
}

bool TranslateEvent(const SDL_Event& e, PlatformEvent& out) {
  switch (e.type) {
    case SDL_MOUSEMOTION:
      gPointerX = e.motion.x;
      gPointerY = e.motion.y;
      return false;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      gPointerX = e.button.x;
      gPointerY = e.button.y;
      bool down = e.type == SDL_MOUSEBUTTONDOWN;
      if (e.button.button == SDL_BUTTON_LEFT) out.kind = down ? kEventLeftDown : kEventLeftUp;
      else if (e.button.button == SDL_BUTTON_RIGHT) out.kind = down ? kEventRightDown : kEventRightUp;
      else return false;
      return true;
    }
    case SDL_KEYDOWN:
      out.kind = e.key.keysym.sym == SDLK_ESCAPE ? kEventEscape : TypingKey(e.key.keysym);
      return true;
    case SDL_TEXTINPUT:
      out.kind = kEventText;
      std::snprintf(out.text, sizeof out.text, "%s", e.text.text);
      return true;
    case SDL_QUIT:
      out.kind = kEventClose;
      return true;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
        out.kind = kEventClose;
        return true;
      }
      if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_RESTORED ||
          e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        out.kind = kEventExposed;
        return true;
      }
      return false;
    default:
      if (gQuitEventType != 0 && e.type == gQuitEventType) {
        out.kind = kEventQuit;
        out.code = e.user.code;
        return true;
      }
      return false;
  }
}
}  // namespace

SDL_Window* PlatformSdlWindow() { return gWindow; }

bool PlatformCreateWindow(const char* title, int clientWidth, int clientHeight, bool windowed) {
  // The window surface goes straight to the display system; emulating it through a GPU renderer
  // only costs time for a picture that is copied one to one.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "Cannot start the video system: %s\n", SDL_GetError());
    return false;
  }
  if (gQuitEventType == 0) gQuitEventType = SDL_RegisterEvents(1);
  Uint32 flags = SDL_WINDOW_HIDDEN;
  int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
  if (!windowed) {
    flags |= SDL_WINDOW_BORDERLESS;
    x = y = 0;
  }
  gWindow = SDL_CreateWindow(title, x, y, clientWidth, clientHeight, flags);
  if (gWindow == nullptr) {
    std::fprintf(stderr, "Cannot create the window: %s\n", SDL_GetError());
    return false;
  }
  // The frame is shown one to one through the window's own surface: no scaling, no GPU needed,
  // and the cheapest path for a 2D picture that changes whole.
  return true;
}

void PlatformSetWindowIcon(const char* bmpPath) {
  if (gWindow == nullptr) return;
  SDL_Surface* icon = SDL_LoadBMP(bmpPath);
  if (icon == nullptr) return;
  SDL_SetWindowIcon(gWindow, icon);
  SDL_FreeSurface(icon);
}

void PlatformShowWindow() {
  if (gWindow == nullptr) return;
  SDL_ShowWindow(gWindow);
  SDL_RaiseWindow(gWindow);
  PlatformShowLatestFrame(true);
}

bool PlatformWindowExists() { return gWindow != nullptr; }

void* PlatformWindowHandle() { return gWindow; }

void PlatformDestroyWindow() {
  if (gWindow != nullptr) SDL_DestroyWindow(gWindow);
  gWindow = nullptr;
}

bool PlatformNextEvent(PlatformEvent& event, int timeoutMs) {
  SDL_Event e;
  event = PlatformEvent{};
  // Events the game does not care about (pointer motion) are consumed here, within the wait.
  while (SDL_WaitEventTimeout(&e, timeoutMs) != 0) {
    if (TranslateEvent(e, event)) return true;
    timeoutMs = 0;
  }
  return false;
}

void PlatformPostQuit(int code) {
  if (gQuitEventType == 0) gQuitEventType = SDL_RegisterEvents(1);
  SDL_Event e{};
  e.type = gQuitEventType;
  e.user.code = code;
  SDL_PushEvent(&e);
}

void PlatformSetTextInput(bool on) {
  if (on) SDL_StartTextInput();
  else SDL_StopTextInput();
}

void PlatformShowLatestFrame(bool force) {
  if (gWindow == nullptr) return;
  SDL_Surface* surface = SDL_GetWindowSurface(gWindow);  // renewed by SDL after a mode change
  if (surface == nullptr) return;
  if (!PlatformCopyLatestFrame(surface, gShownPresent, force)) return;
  SDL_UpdateWindowSurface(gWindow);
}

void PlatformPointerPosition(int& x, int& y) {
  x = gPointerX.load(std::memory_order_relaxed);
  y = gPointerY.load(std::memory_order_relaxed);
}

void PlatformSetPointerPosition(int x, int y) {
  gPointerX.store(x, std::memory_order_relaxed);
  gPointerY.store(y, std::memory_order_relaxed);
}

void PlatformErrorBox(const char* caption, const char* text) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, gWindow);
}
