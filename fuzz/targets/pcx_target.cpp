// Feeds arbitrary files to the PCX reader: the header functions, and decoding into a buffer of
// each depth. Bytes the decoder ignores (encoding at 2, resolution at 12..15) steer the call:
// flags, input chunk size and the graphics position.
#include <sys/mman.h>
#include <unistd.h>

#include <string>

#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "raster/pcx.h"
#include "raster/pcx_internal.h"
#include "raster/raster.h"

namespace {
int gBuffers[4];
int gFile = -1;
std::string gPath;

// The decoder reads files, so each input goes into an in-memory file that vanishes with the
// process; it is opened by its /proc name like any other file.
bool SetUp() {
  gFile = memfd_create("pcx_fuzz_input", 0);
  FUZZ_CHECK(gFile >= 0);
  gPath = "/proc/self/fd/" + std::to_string(gFile);
  OpenRasterLibrary();
  const int depths[4] = {8, 16, 24, 32};
  for (int i = 0; i < 4; ++i) {
    SetBufferDepth(depths[i]);
    gBuffers[i] = CreateVirtualBuffer(61, 47);
  }
  return true;
}

void vStoreInput(const uint8_t* data, size_t size) {
  FUZZ_CHECK(ftruncate(gFile, 0) == 0);
  FUZZ_CHECK(size == 0 || pwrite(gFile, data, size, 0) == static_cast<ssize_t>(size));
}
}  // namespace

int FuzzPcxFile(const uint8_t* data, size_t size) {
  static bool ready = SetUp();
  (void)ready;
  if (size > (1u << 20)) return 0;
  vStoreInput(data, size);

  uint8_t header[kPcxHeaderBytes];
  int width = 0, height = 0;
  if (ReadPcxHeader(gPath.c_str(), header) == 0) PcxHeaderSize(header, &width, &height);

  uint8_t steer = size > 2 ? data[2] : 0;
  int flags = steer & 3;
  size_t chunk = (steer & 4) ? 1 + (size > 12 ? data[12] : 0) : 65536;
  int x = size > 13 ? static_cast<int8_t>(data[13]) : 0;
  int y = size > 14 ? static_cast<int8_t>(data[14]) : 0;
  for (int handle : gBuffers) {
    ActivateBuffer(handle);
    MoveTo(x, y);
    int result = ShowPcxChunked(gPath.c_str(), flags, chunk);
    FUZZ_CHECK(result >= kPcxOk && result <= kPcxNoMemory);
  }
  DeactivateBuffers();
  return 0;
}
