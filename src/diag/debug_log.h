#pragma once
// The two trace files, kept with the player's files (the working directory unless start-up moved
// them, shell/data_dir.h): "debug.txt", the general trace, and
// "graphics_debug.txt", which reports images the loader could not find. Each call appends one
// formatted line and closes the file again, so every line is on disk when the call returns.

#define TV_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))

// The general trace. Silent unless turned on, by the TAVIMORA_TRACE build option or at run time.
void vDebugLog(const char* format, ...) TV_PRINTF(1, 2);

// The graphics trace; always written.
void GraphicsDebugLog(const char* format, ...) TV_PRINTF(1, 2);

// Turns the general trace on or off at run time (tests and developer builds).
void vSetDebugTrace(bool on);
bool bDebugTraceOn();
