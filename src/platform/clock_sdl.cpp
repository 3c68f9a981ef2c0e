#include "platform/clock.h"

#include <SDL.h>

uint32_t timeGetTime() {
  // The low 32 bits of SDL's 64-bit tick count wrap like the game expects.
  return static_cast<uint32_t>(SDL_GetTicks64());
}

void Sleep(uint32_t ms) { SDL_Delay(ms); }
