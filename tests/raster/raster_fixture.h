#pragma once
// A freshly opened raster library per test, with helpers to make and inspect buffers.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "raster/raster.h"

class RasterTest : public ::testing::Test {
 protected:
  void SetUp() override { OpenRasterLibrary(); }
  void TearDown() override {
    DeactivateBuffers();
    CloseVirtualBuffer(-1);
    CloseRasterLibrary();
  }

  // Creates a buffer of that depth and size and activates it.
  static int Activate(int depth, int width, int height) {
    SetBufferDepth(depth);
    int handle = CreateVirtualBuffer(width, height);
    EXPECT_GE(handle, 0);
    EXPECT_EQ(ActivateBuffer(handle), 0);
    return handle;
  }

  // Every pixel of the active buffer, row by row from the top.
  static std::vector<uint32_t> Snapshot(int width, int height) {
    std::vector<uint32_t> all;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) all.push_back(GetPixel(x, y));
    }
    return all;
  }

  // Fills the active buffer with a pattern of non-black colours.
  static void FillPattern(int width, int height) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        SetColor(MakeColor(8 + x * 5 % 240, 8 + y * 7 % 240, 40 + (x + y) % 200));
        PutPixel(x, y);
      }
    }
  }
};

// The depths blocks work at.
inline const int kBlockDepths[] = {16, 24, 32};
