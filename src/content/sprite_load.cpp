// Loading one image by name: out of the archive through the temporary file, decoded into the
// screen buffer and grabbed into the sprite.
#include <cstdio>
#include <filesystem>
#include <string>
#include <strings.h>
#include <system_error>

#include "content/catalogue.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/sprite.h"
#include "platform/files.h"
#include "raster/pcx.h"
#include "raster/raster.h"

namespace {
enum class Extracted {
  kWritten,   // the member is in the temporary file
  kSkipped,   // the record does not describe bytes of the pack: nothing taken from it
  kStopped,   // the pack or the temporary file cannot be used: loading has to stop
};

// Size of the pack in bytes, or -1 when it cannot be told.
int64_t iPackSize(const char* packPath) {
  std::error_code error;
  auto size = std::filesystem::file_size(PlatformPath(packPath), error);
  return error ? -1 : static_cast<int64_t>(size);
}

bool bEntryInsidePack(const ContentEntry& entry, int64_t packSize) {
  return entry.length <= uint32_t(kScratchBlockBytes) &&
         int64_t{entry.offset} + int64_t{entry.length} <= packSize;
}

bool bWriteTemporary(const std::string& tempFile, const uint8_t* bytes, size_t length) {
  FILE* temp = PlatformOpen(tempFile.c_str(), "wb");
  bool written = temp != nullptr && std::fwrite(bytes, 1, length, temp) == length;
  if (temp != nullptr) written = std::fclose(temp) == 0 && written;
  if (!written) {
    std::snprintf(szContentError, sizeof szContentError,
                  "Cannot write %s. Please make sure the game's folder can be written to.",
                  tempFile.c_str());
  }
  return written;
}

// Copies one archive member out of the pack into the temporary file.
Extracted ExtractMember(const ContentCatalogue& catalogue, const ContentEntry& entry,
                        uint8_t* scratch, const std::string& tempFile) {
  FILE* pack = PlatformOpen(catalogue.packPath, "rb");
  if (pack == nullptr) {
    std::snprintf(szContentError, sizeof szContentError,
                  "Cannot open %s. Please reinstall the game.", catalogue.packPath);
    return Extracted::kStopped;
  }
  size_t got = 0;
  const bool bInside = bEntryInsidePack(entry, iPackSize(catalogue.packPath));
  if (bInside && (entry.offset == 0 || std::fseek(pack, long(entry.offset), SEEK_SET) == 0)) {
    got = std::fread(scratch, 1, entry.length, pack);
  }
  std::fclose(pack);
  if (!bInside || got != entry.length) {
    GraphicsDebugLog("** ERROR** ARCHIVE ENTRY %s LIES OUTSIDE THE PACK (OFFSET %u, LENGTH %u)\n",
                     entry.name, entry.offset, entry.length);
    return Extracted::kSkipped;
  }
  return bWriteTemporary(tempFile, scratch, got) ? Extracted::kWritten : Extracted::kStopped;
}

struct ArchiveLookup {
  bool bMatched = false;  // some entry carries the name
  bool bWritten = false;  // the last usable one of them is in the temporary file
  bool bStopped = false;
};

// Every entry of that name is extracted in index order, so the last one in the index wins.
ArchiveLookup LookUp(const ContentCatalogue& catalogue, const std::string& member,
                     uint8_t* scratch, const std::string& tempFile) {
  ArchiveLookup lookup;
  for (int i = 0; i < catalogue.count && catalogue.entries != nullptr; ++i) {
    const ContentEntry& entry = catalogue.entries[i];
    if (strcasecmp(entry.name, member.c_str()) != 0) continue;
    lookup.bMatched = true;
    Extracted result = ExtractMember(catalogue, entry, scratch, tempFile);
    if (result == Extracted::kStopped) {
      lookup.bStopped = true;
      return lookup;
    }
    if (result == Extracted::kWritten) lookup.bWritten = true;
  }
  return lookup;
}
}  // namespace

void Sprite::Load(const char* name) {
  if (frameStack == nullptr || name == nullptr) return;
  int previous = GetActiveBuffer();
  DeactivateBuffers();
  frameStack->SelectScreen();

  const std::string member = std::string(name) + ".pcx";
  std::string base = name;  // the plain file of that name unless the archive serves it
  bool bDecode = true;
  if (archive != 0 && catalogue != nullptr) {
    const std::string tempBase = std::string(catalogue->artDir) + "temp";
    ArchiveLookup lookup = LookUp(*catalogue, member, frameStack->Scratch(), tempBase + ".pcx");
    if (lookup.bWritten) base = tempBase;
    if (!lookup.bMatched) GraphicsDebugLog("** FATAL ERROR** COULD NOT FIND FILE %s\n", member.c_str());
    // Entries that named the image but could not be used leave it empty, as does a stop.
    bDecode = !lookup.bStopped && (lookup.bWritten || !lookup.bMatched);
  }
  if (bDecode) {
    DecodeAndGrab(base.c_str());
  } else {
    Resize(0, 0);
  }

  DeactivateBuffers();
  if (previous != -1) ActivateBuffer(previous);
}

void Sprite::DecodeAndGrab(const char* base) {
  uint8_t header[kPcxHeaderBytes] = {};
  int w = -1, h = -1;
  const std::string file = std::string(base) + ".pcx";
  bool ok = frameStack->ShowPcxAt(base, 0, 0) == kPcxOk &&
            ReadPcxHeader(file.c_str(), header) == 0 &&
            PcxHeaderSize(header, &w, &h) == 0;
  // Only a picture that fits the screen buffer, at the buffers' depth, can be grabbed whole.
  if (!ok || w < 1 || h < 1 || w > kFrameWidth || h > kFrameHeight ||
      frameStack->Depth() != depth) {
    Resize(0, 0);
    return;
  }
  Resize(static_cast<int16_t>(w), static_cast<int16_t>(h));
  Grab(0, 0);
}
