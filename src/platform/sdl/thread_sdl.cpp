#include <SDL.h>

#include "platform/thread.h"

struct PlatformThread {
  SDL_Thread* thread;
};

PlatformThread* PlatformStartThread(int (*entry)(void*), void* arg, size_t stackBytes,
                                    const char* name) {
  SDL_Thread* t = SDL_CreateThreadWithStackSize(entry, name, stackBytes, arg);
  if (t == nullptr) return nullptr;
  return new PlatformThread{t};
}

int PlatformWaitThread(PlatformThread* thread) {
  if (thread == nullptr) return 0;
  int result = 0;
  SDL_WaitThread(thread->thread, &result);
  delete thread;
  return result;
}
