#pragma once
// Writes the active 1024 x 768 buffer to a PNG file; false (with a message) when it cannot.
bool bWriteActiveBufferPng(const char* path);
