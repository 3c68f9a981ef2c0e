#include "diag/debug_log.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <string>

#ifndef TAVIMORA_TRACE
#define TAVIMORA_TRACE 0
#endif

namespace {
std::atomic<bool> gTraceOn{TAVIMORA_TRACE != 0};

constexpr int kLineBufferSize = 32768;

// Set once at start-up, before other threads run; empty means the working directory.
std::string gTraceFolder;

void AppendLine(const char* fileName, const char* format, va_list args) {
  char line[kLineBufferSize];
  int length = std::vsnprintf(line, sizeof line, format, args);
  if (length < 0) return;
  if (length >= kLineBufferSize) length = kLineBufferSize - 1;  // cut, never overrun
  FILE* f = std::fopen((gTraceFolder + fileName).c_str(), "a+");
  if (f == nullptr) return;  // an unwritable log never stops the game
  std::fwrite(line, 1, static_cast<size_t>(length), f);
  std::fclose(f);
}
}  // namespace

void vDebugLog(const char* format, ...) {
  if (!gTraceOn.load(std::memory_order_relaxed)) return;
  va_list args;
  va_start(args, format);
  AppendLine("debug.txt", format, args);
  va_end(args);
}

void GraphicsDebugLog(const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendLine("graphics_debug.txt", format, args);
  va_end(args);
}

void vSetDebugTrace(bool on) { gTraceOn.store(on, std::memory_order_relaxed); }

bool bDebugTraceOn() { return gTraceOn.load(std::memory_order_relaxed); }

void vSetTraceFolder(const std::string& folder) { gTraceFolder = folder; }
