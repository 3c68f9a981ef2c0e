#pragma once
// The two trace files, in the working directory unless start-up puts them in the player's folder:
// "debug.txt", the general trace, and "graphics_debug.txt", which reports images the loader could
// not find. Each call appends one formatted line and closes the file again, so every line is on
// disk when the call returns.
#include <string>

#define TV_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))

// The general trace. Silent unless turned on, by the TAVIMORA_TRACE build option or at run time.
void vDebugLog(const char* format, ...) TV_PRINTF(1, 2);

// The graphics trace; always written.
void GraphicsDebugLog(const char* format, ...) TV_PRINTF(1, 2);

// Turns the general trace on or off at run time (tests and developer builds).
void vSetDebugTrace(bool on);
bool bDebugTraceOn();

// The folder the trace files go to (ending in '/'; empty: the working directory). Set at
// start-up, before other threads run.
void vSetTraceFolder(const std::string& folder);
