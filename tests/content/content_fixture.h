#pragma once
// Content tests run in a fresh working folder with a frame stack set up (32 bits windowed on the
// dummy desktop, 24 and 16 bits full screen) and archives written by the test itself.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "content/catalogue.h"
#include "gfx/frame_stack.h"
#include "gfx/sprite.h"
#include "pcx_encoder.h"
#include "raster/raster.h"
#include "support/temp_dir.h"
#include "util/little_endian.h"

// One index record: the name is copied as it is (256 bytes without a NUL stay without one).
struct IndexRecord {
  uint32_t offset;
  std::string name;
  uint32_t length;
};

struct Member {
  std::string name;
  std::string bytes;
};

inline std::string EncodeRecord(const IndexRecord& r) {
  std::string out;
  AppendLe32(out, r.offset);
  std::string name = r.name.substr(0, kContentNameBytes);
  name.resize(kContentNameBytes, '\0');
  out += name;
  AppendLe32(out, r.length);
  return out;
}

inline void WriteIndex(const std::vector<IndexRecord>& records, const std::string& tail = "") {
  std::string index;
  for (const IndexRecord& r : records) index += EncodeRecord(r);
  WriteWholeFile("content/art/content.idx", index + tail);
}

// Packs the members one after another and indexes them in the same order.
inline std::vector<IndexRecord> WriteArchive(const std::vector<Member>& members) {
  std::string pack;
  std::vector<IndexRecord> records;
  for (const Member& m : members) {
    records.push_back({static_cast<uint32_t>(pack.size()), m.name,
                       static_cast<uint32_t>(m.bytes.size())});
    pack += m.bytes;
  }
  WriteWholeFile("content/art/content.pak", pack);
  WriteIndex(records);
  return records;
}

// The same index held in a catalogue of the test's own, as vLoadBitmaps would fill it.
struct TestCatalogue {
  explicit TestCatalogue(const std::vector<IndexRecord>& records) {
    entries.resize(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
      std::snprintf(entries[i].name, sizeof entries[i].name, "%s", records[i].name.c_str());
      entries[i].offset = records[i].offset;
      entries[i].length = records[i].length;
    }
    catalogue.count = static_cast<int32_t>(entries.size());
    catalogue.entries = entries.data();
    std::snprintf(catalogue.artDir, sizeof catalogue.artDir, "content\\art\\");
    std::snprintf(catalogue.packPath, sizeof catalogue.packPath, "content\\art\\content.pak");
  }
  std::vector<ContentEntry> entries;
  ContentCatalogue catalogue;
};

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

inline void PrintTo(const Rgb& c, std::ostream* os) {
  *os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

inline Rgb RgbOf(uint32_t v) { return Rgb{int(v >> 16) & 0xFF, int(v >> 8) & 0xFF, int(v) & 0xFF}; }

class ContentTestBase {
 protected:
  void StartFrames(int depth) {
    ASSERT_TRUE(gFrameStack.Init(kFrameWidth, kFrameHeight, static_cast<int16_t>(depth), nullptr,
                                 depth == 32));
    iColorDepth = gFrameStack.Depth();
    frame = gFrameStack.CreateBuffer(kFrameWidth, kFrameHeight);
  }
  void StopFrames() { gFrameStack.Shutdown(); }

  // Loads an image as an opaque archive sprite at the buffers' depth.
  static void LoadFrom(Sprite& sprite, ContentCatalogue* catalogue, const char* name) {
    sprite.Init(0, 0, static_cast<int16_t>(iColorDepth), &gFrameStack, false, true, catalogue);
    sprite.Load(name);
  }

  // The colour a sprite shows at (x, y) of itself, read back through the frame buffer.
  Rgb Shown(const Sprite& sprite, int x, int y) {
    int previous = GetActiveBuffer();
    gFrameStack.Select(frame);
    SetColor(0);
    for (int row = 0; row < sprite.height; ++row)
      for (int col = 0; col < sprite.width; ++col) PutPixel(col, row);
    sprite.Draw(0, 0);
    Rgb c{};
    SplitColor(GetPixel(x, y), &c.r, &c.g, &c.b);
    DeactivateBuffers();
    if (previous >= 0) ActivateBuffer(previous);
    return c;
  }

  // A colour as the buffers of the current depth store it.
  Rgb Stored(uint32_t rgb) {
    gFrameStack.Select(frame);
    Rgb c{};
    SplitColor(MakeColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF), &c.r,
               &c.g, &c.b);
    DeactivateBuffers();
    return c;
  }

  static std::string GraphicsTrace() { return ReadWholeFile("graphics_debug.txt"); }

  ScopedTempCwd cwd;
  int16_t frame = -1;
};
