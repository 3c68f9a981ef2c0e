#include <algorithm>
#include <atomic>
#include <cstdio>
#include <utility>
#include <vector>

#include "platform/display.h"
#include "platform/frame_fit.h"
#include "platform/sdl/sdl_internal.h"
#include "platform/window.h"

namespace {
SDL_Window* gWindow = nullptr;
Uint32 gQuitEventType = 0;
// Marks the hidden-window event PlatformSdlPushCovered makes (SDL's own carry 0).
constexpr Sint32 kCoveredMark = 1;
// An event that only ends the main thread's wait: a new frame is ready to be shown.
std::atomic<Uint32> gWakeEventType{0};
std::atomic<Uint32> gArrivedEventType{0};  // fetched files have arrived
std::atomic<int> gPointerX{0};
std::atomic<int> gPointerY{0};
// The window's size while it is not full screen, given back when full screen ends.
int gWindowedWidth = kPlatformFrameWidth;
int gWindowedHeight = kPlatformFrameHeight;
// The surface size the frame was last shown at; another one means everything is drawn again.
int gShownWidth = 0;
int gShownHeight = 0;
bool gMotionWanted = false;  // kEventPointerMoved is asked for
constexpr int kMinWindowWidth = 512;  // the picture stays usable down to half its size
constexpr int kMinWindowHeight = 384;
// In a web page the page decides the window's size (the canvas follows it), never the game.
constexpr bool kPageSizedWindow = TAVIMORA_PAGE_SIZED_WINDOW != 0;

bool IsFullScreen() {
  return (SDL_GetWindowFlags(gWindow) & SDL_WINDOW_FULLSCREEN) != 0;
}

// The window's size in points and the size in pixels the frame is shown in.
void WindowSizes(int& winW, int& winH, int& drawW, int& drawH) {
  SDL_GetWindowSize(gWindow, &winW, &winH);
  drawW = gShownWidth;
  drawH = gShownHeight;
  if (drawW <= 0 || drawH <= 0) SDL_GetWindowSizeInPixels(gWindow, &drawW, &drawH);
}

// A pointer position in window points, as frame pixels; the event gets it too.
void SetPointerFromWindow(int x, int y, PlatformEvent& out) {
  int winW = 0, winH = 0, drawW = 0, drawH = 0;
  WindowSizes(winW, winH, drawW, drawH);
  int fx = x, fy = y;
  WindowPointToFrame(x, y, winW, winH, drawW, drawH, kPlatformFrameWidth, kPlatformFrameHeight,
                     fx, fy);
  gPointerX = fx;
  gPointerY = fy;
  out.x = fx;
  out.y = fy;
}

void UsableDesktop(int& w, int& h) {
  SDL_Rect usable{0, 0, kPlatformFrameWidth, kPlatformFrameHeight};
  const int display = gWindow != nullptr ? std::max(SDL_GetWindowDisplayIndex(gWindow), 0) : 0;
  SDL_GetDisplayUsableBounds(display, &usable);
  w = usable.w;
  h = usable.h;
}

void ApplyWindowedSize() {
  if (kPageSizedWindow) return;
  SDL_SetWindowSize(gWindow, gWindowedWidth, gWindowedHeight);
  SDL_SetWindowPosition(gWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void SetFullScreen(bool fullScreen) {
  if (fullScreen == IsFullScreen()) return;
  if (fullScreen) {
    SDL_SetWindowFullscreen(gWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
  } else {
    SDL_SetWindowFullscreen(gWindow, 0);
    // The full-screen build's window starts borderless; as a window it gets a frame.
    SDL_SetWindowBordered(gWindow, SDL_TRUE);
    SDL_SetWindowResizable(gWindow, SDL_TRUE);
    ApplyWindowedSize();
  }
  PlatformShowLatestFrame(true);
}

// The finger that touched first while none was down; the others are ignored until it lifts.
constexpr SDL_FingerID kNoFinger = -1;
SDL_FingerID gFinger = kNoFinger;

bool TranslateTouch(const SDL_TouchFingerEvent& f, PlatformEvent& out) {
  if (f.type == SDL_FINGERDOWN && gFinger == kNoFinger) gFinger = f.fingerId;
  if (f.fingerId != gFinger) return false;
  int winW = 0, winH = 0;
  SDL_GetWindowSize(gWindow, &winW, &winH);
  SetPointerFromWindow(static_cast<int>(f.x * static_cast<float>(winW)),
                       static_cast<int>(f.y * static_cast<float>(winH)), out);
  if (f.type == SDL_FINGERDOWN) {
    out.kind = kEventTouchDown;
  } else if (f.type == SDL_FINGERMOTION) {
    out.kind = kEventTouchMoved;
  } else {
    out.kind = kEventTouchUp;
    gFinger = kNoFinger;
  }
  return true;
}

bool TranslateEvent(const SDL_Event& e, PlatformEvent& out) {
  switch (e.type) {
    case SDL_FINGERDOWN:
    case SDL_FINGERMOTION:
    case SDL_FINGERUP:
      return TranslateTouch(e.tfinger, out);
    case SDL_MOUSEMOTION:
      SetPointerFromWindow(e.motion.x, e.motion.y, out);
      out.kind = e.motion.state != 0 ? kEventDragged : kEventPointerMoved;
      return e.motion.state != 0 || gMotionWanted;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      SetPointerFromWindow(e.button.x, e.button.y, out);
      bool down = e.type == SDL_MOUSEBUTTONDOWN;
      if (e.button.button == SDL_BUTTON_LEFT) out.kind = down ? kEventLeftDown : kEventLeftUp;
      else if (e.button.button == SDL_BUTTON_RIGHT) out.kind = down ? kEventRightDown : kEventRightUp;
      else return false;
      return true;
    }
    case SDL_KEYDOWN:
      out.kind = PlatformSdlKeyKind(e.key.keysym);
      out.key = PlatformSdlKeyCode(e.key.keysym);
      out.repeat = e.key.repeat != 0;
      return true;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERAXISMOTION:
      return PlatformSdlTranslatePad(e, out);
    case SDL_TEXTINPUT:
      out.kind = kEventText;
      std::snprintf(out.text, sizeof out.text, "%s", e.text.text);
      return true;
    case SDL_TEXTEDITING:  // SDL cuts the composition at a whole character within 32 bytes
      out.kind = kEventComposing;
      std::snprintf(out.text, sizeof out.text, "%s", e.edit.text);
      return true;
    case SDL_QUIT:
      out.kind = kEventClose;
      return true;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
        out.kind = kEventClose;
        return true;
      }
      if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        // A maximised window gives its own size back when restored; only a size the player
        // dragged is kept.
        const Uint32 notKept = SDL_WINDOW_FULLSCREEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_MAXIMIZED;
        if ((SDL_GetWindowFlags(gWindow) & notKept) == 0) {
          gWindowedWidth = e.window.data1;
          gWindowedHeight = e.window.data2;
        }
        PlatformShowLatestFrame(true);
        out.kind = kEventWindowChanged;
        return true;
      }
      if (e.window.event == SDL_WINDOWEVENT_HIDDEN && e.window.data1 == kCoveredMark) {
        out.kind = kEventWindowCovered;
        return true;
      }
      if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
          e.window.event == SDL_WINDOWEVENT_MINIMIZED || e.window.event == SDL_WINDOWEVENT_HIDDEN) {
        out.kind = kEventWindowLeft;
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
      if (e.type == gArrivedEventType.load(std::memory_order_relaxed)) {
        out.kind = kEventFilesArrived;
        return true;
      }
      return false;
  }
}
}  // namespace

SDL_Window* PlatformSdlWindow() { return gWindow; }

void PlatformSdlPushCovered() {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_HIDDEN;
  e.window.data1 = kCoveredMark;
  SDL_PushEvent(&e);
}

void PlatformSdlPushFilesArrived() {
  SDL_Event e{};
  e.type = gArrivedEventType.load(std::memory_order_relaxed);
  if (e.type != 0) SDL_PushEvent(&e);
}

void PlatformWakeMainThread() {
  const Uint32 type = gWakeEventType.load(std::memory_order_relaxed);
  if (type == 0) return;
  SDL_Event e{};
  e.type = type;
  SDL_PushEvent(&e);
}

bool PlatformCreateWindow(const char* title, int clientWidth, int clientHeight, bool windowed) {
  // The frame goes to the window through the window's own surface in memory (shared memory on
  // X11), not through an OpenGL texture: on the desktops measured that costs less processor time
  // and spares the GL driver's 50 MB and more. The environment may still ask for the other.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A finger's tap is decided on its lift by the game (kEventTouchUp); the mouse buttons SDL
  // would also make of it would press twice.
  SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "Cannot start the video system: %s\n", SDL_GetError());
    return false;
  }
  // Without controller support the game is played with the mouse and the keys all the same.
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  if (gQuitEventType == 0) gQuitEventType = SDL_RegisterEvents(1);
  if (gWakeEventType == 0) gWakeEventType = SDL_RegisterEvents(1);
  if (gArrivedEventType == 0) gArrivedEventType = SDL_RegisterEvents(1);
  Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
  int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
  int width = clientWidth, height = clientHeight;
  if (!windowed) {
    flags |= SDL_WINDOW_BORDERLESS;
    x = y = 0;
  } else {
    flags |= SDL_WINDOW_RESIZABLE;
    int usableW = 0, usableH = 0;
    UsableDesktop(usableW, usableH);
    FirstWindowSize(usableW, usableH, clientWidth, clientHeight, width, height);
    gWindowedWidth = width;
    gWindowedHeight = height;
  }
  gShownWidth = gShownHeight = 0;
  gWindow = SDL_CreateWindow(title, x, y, width, height, flags);
  if (gWindow == nullptr) {
    std::fprintf(stderr, "Cannot create the window: %s\n", SDL_GetError());
    return false;
  }
  SDL_SetWindowMinimumSize(gWindow, kMinWindowWidth, kMinWindowHeight);
  // The frame is shown through the window's own surface, scaled on the processor where the
  // window is not the frame's size: no GPU is needed, and only the changed parts are pushed.
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
  PlatformSdlClosePads();
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

bool PlatformHasPendingEvent() { return SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE; }

bool PlatformPostQuit(int code) {
  if (gQuitEventType == 0) gQuitEventType = SDL_RegisterEvents(1);
  SDL_Event e{};
  e.type = gQuitEventType;
  e.user.code = code;
  return SDL_PushEvent(&e) == 1;
}

void PlatformSetWindowMode(bool fullScreen, int windowWidth, int windowHeight) {
  if (gWindow == nullptr) return;
  if (windowWidth > 0 && windowHeight > 0) {
    int usableW = 0, usableH = 0;
    UsableDesktop(usableW, usableH);
    gWindowedWidth = std::clamp(windowWidth, kMinWindowWidth, std::max(usableW, kMinWindowWidth));
    gWindowedHeight = std::clamp(windowHeight, kMinWindowHeight, std::max(usableH, kMinWindowHeight));
    if (!IsFullScreen()) ApplyWindowedSize();
  }
  SetFullScreen(fullScreen);
}

void PlatformWindowMode(bool& fullScreen, int& windowWidth, int& windowHeight) {
  fullScreen = gWindow != nullptr && IsFullScreen();
  windowWidth = gWindowedWidth;
  windowHeight = gWindowedHeight;
}

void PlatformSetTextInput(bool on) {
  if (on) SDL_StartTextInput();
  else SDL_StopTextInput();
}

void PlatformSetTextInputArea(int x, int y, int w, int h) {
  if (gWindow == nullptr) return;
  int winW = 0, winH = 0, drawW = 0, drawH = 0;
  WindowSizes(winW, winH, drawW, drawH);
  const PixelRect r = FrameRectToWindow({x, y, w, h}, winW, winH, drawW, drawH, kPlatformFrameWidth,
                                        kPlatformFrameHeight);
  SDL_Rect area{r.x, r.y, r.w, r.h};
  SDL_SetTextInputRect(&area);
}

void PlatformSetPointerMotion(bool on) { gMotionWanted = on; }

void PlatformShowLatestFrame(bool force) {
  if (gWindow == nullptr) return;
  SDL_Surface* surface = PlatformWindowTarget(gWindow);
  if (surface == nullptr) return;
  const bool all = force || surface->w != gShownWidth || surface->h != gShownHeight;
  gShownWidth = surface->w;
  gShownHeight = surface->h;
  static std::vector<SDL_Rect> drawn;
  if (!PlatformDrawLatestFrame(surface, all, drawn)) return;
  PlatformPushToWindow(gWindow, drawn);
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
