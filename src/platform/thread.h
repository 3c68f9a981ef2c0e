#pragma once
// A thread with a chosen stack size that another thread can wait for.
#include <cstddef>

struct PlatformThread;

// Starts `entry(arg)` at once on a new thread with a stack of `stackBytes`. Null on failure.
PlatformThread* PlatformStartThread(int (*entry)(void*), void* arg, size_t stackBytes,
                                    const char* name);

// Waits without a time limit until the thread has ended; returns its result and frees the handle.
int PlatformWaitThread(PlatformThread* thread);
