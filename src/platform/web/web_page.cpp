#include "platform/web_page.h"

#include <SDL.h>
#include <emscripten.h>
#include <emscripten/html5.h>
#include <emscripten/threading.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "platform/display.h"
#include "platform/sdl/sdl_internal.h"
#include "platform/window.h"

// The page's side, in library_tavimora.js.
extern "C" void tv_web_tell_page_ended(int code);
extern "C" void tv_web_set_leave_guard(int on);

namespace {
bool (*gPass)() = nullptr;
std::atomic<bool> gLeaveGuard{false};

// The frame callback pauses while nothing happens: an untouched screen then costs a pass every
// kIdlePassMs from a timer (the music is pumped that often), and the browser draws no frames for
// it. Any event (an input, a frame the game presented, a wake) brings the per-frame passes back.
constexpr int kIdlePassMs = 100;
constexpr int kFramesBeforePause = 2;
int gQuietFrames = 0;
bool gPaused = false;
bool gLoopRunning = false;
uintptr_t gPauses = 0;  // numbers each pause, so that a timer left from an earlier one stops

void ResumeNow() {
  gQuietFrames = 0;
  if (gPaused && gLoopRunning) emscripten_resume_main_loop();
  gPaused = false;
}

void IdlePass(void* pause) {
  if (!gPaused || !gLoopRunning || reinterpret_cast<uintptr_t>(pause) != gPauses) return;
  if (gPass()) ResumeNow();
  else if (gLoopRunning) emscripten_async_call(IdlePass, pause, kIdlePassMs);
}

int WakeOnEvent(void*, SDL_Event* event) {
  if (event->type == SDL_POLLSENTINEL) return 0;  // SDL's own marker of every poll
  if (emscripten_is_main_runtime_thread()) ResumeNow();
  else emscripten_async_run_in_main_runtime_thread(EM_FUNC_SIG_V, ResumeNow);
  return 0;
}

// A hidden page gets no frame callbacks and its timers slow down to one a second or less: the pass
// that hands the game the page's leaving (SDL's hidden window) runs at once.
EM_BOOL PassWhenHidden(int, const EmscriptenVisibilityChangeEvent* change, void*) {
  if (change->hidden && gLoopRunning) gPass();
  return EM_FALSE;
}

void CallPass() {
  if (gPass()) gQuietFrames = 0;
  if (!gLoopRunning || ++gQuietFrames < kFramesBeforePause) return;
  gPaused = true;
  emscripten_pause_main_loop();
  emscripten_async_call(IdlePass, reinterpret_cast<void*>(++gPauses), kIdlePassMs);
}
}  // namespace

extern "C" {
// For tests in the browser: a copy of the frame the game last presented (0x00RRGGBB, 1024 x 768,
// top row first), or null before the first.
EMSCRIPTEN_KEEPALIVE const uint32_t* tv_web_presented_frame() {
  static std::vector<uint32_t> copy;
  int width = 0, height = 0;
  return PlatformLastPresented(copy, width, height) ? copy.data() : nullptr;
}

// The page: the phone was turned upright, where the turn-the-phone picture covers the game, so a
// running game pauses (kEventWindowCovered).
EMSCRIPTEN_KEEPALIVE void tv_web_turned_upright() { PlatformSdlPushCovered(); }
}

void PlatformRunEveryFrame(bool (*pass)()) {
  gPass = pass;
  gLoopRunning = true;
  SDL_AddEventWatch(WakeOnEvent, nullptr);
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, PassWhenHidden);
  emscripten_set_main_loop(CallPass, 0, 0);
}

void PlatformStopEveryFrame() {
  gLoopRunning = false;
  SDL_DelEventWatch(WakeOnEvent, nullptr);
  emscripten_cancel_main_loop();
}

void PlatformTellPageEnded(int code) { tv_web_tell_page_ended(code); }

void PlatformSetLeaveGuard(bool on) {
  gLeaveGuard.store(on, std::memory_order_relaxed);
  tv_web_set_leave_guard(on ? 1 : 0);
}

bool PlatformLeaveGuard() { return gLeaveGuard.load(std::memory_order_relaxed); }
