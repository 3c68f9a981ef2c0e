// Loading one image by name: out of the archive (and into the temporary file), decoded into the
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

// Writes the member into the temporary file. An existing file is overwritten in place and then
// cut to the member's length rather than emptied first: file systems such as ext4 push a file
// that was emptied and written again out to disk when it is closed, which for every image of
// the game cost tens of milliseconds at start-up.
bool bWriteTemporary(const std::string& tempFile, const uint8_t* bytes, size_t length) {
  FILE* temp = PlatformOpen(tempFile.c_str(), "r+b");
  if (temp == nullptr) temp = PlatformOpen(tempFile.c_str(), "wb");
  bool written = temp != nullptr && std::fwrite(bytes, 1, length, temp) == length;
  if (temp != nullptr) written = std::fclose(temp) == 0 && written;
  if (written) {
    std::error_code error;
    std::filesystem::resize_file(PlatformPath(tempFile.c_str()), length, error);
    written = !error;
  }
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
  // The usable member is also whole in the scratch block (a later entry of the same name that
  // could not be used may have overwritten it there), `length` bytes long.
  bool bInScratch = false;
  size_t length = 0;
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
    lookup.bInScratch = result == Extracted::kWritten;
    if (result == Extracted::kWritten) {
      lookup.bWritten = true;
      lookup.length = entry.length;
    }
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
  ArchiveLookup lookup;
  if (archive != 0 && catalogue != nullptr) {
    const std::string tempBase = std::string(catalogue->artDir) + "temp";
    lookup = LookUp(*catalogue, member, frameStack->Scratch(), tempBase + ".pcx");
    if (lookup.bWritten) base = tempBase;
    if (!lookup.bMatched) GraphicsDebugLog("** FATAL ERROR** COULD NOT FIND FILE %s\n", member.c_str());
    // Entries that named the image but could not be used leave it empty, as does a stop.
    bDecode = !lookup.bStopped && (lookup.bWritten || !lookup.bMatched);
  }
  if (!bDecode) {
    Resize(0, 0);
  } else if (lookup.bInScratch) {
    // The bytes just written to the temporary file are decoded where they already are.
    DecodeAndGrab(frameStack->Scratch(), lookup.length);
  } else {
    DecodeAndGrab(base.c_str());
  }

  DeactivateBuffers();
  if (previous != -1) ActivateBuffer(previous);
}

void Sprite::DecodeAndGrab(const char* base) {
  uint8_t header[kPcxHeaderBytes] = {};
  const std::string file = std::string(base) + ".pcx";
  GrabDecoded(frameStack->ShowPcxAt(base, 0, 0) == kPcxOk &&
                  ReadPcxHeader(file.c_str(), header) == 0,
              header);
}

void Sprite::DecodeAndGrab(const uint8_t* bytes, size_t size) {
  // A picture that decodes has a whole header.
  GrabDecoded(frameStack->ShowPcxMemoryAt(bytes, size, 0, 0) == kPcxOk, bytes);
}

void Sprite::GrabDecoded(bool bDecoded, const uint8_t* header) {
  int w = -1, h = -1;
  bool ok = bDecoded && PcxHeaderSize(header, &w, &h) == 0;
  // Only a picture that fits the screen buffer, at the buffers' depth, can be grabbed whole.
  if (!ok || w < 1 || h < 1 || w > kFrameWidth || h > kFrameHeight ||
      frameStack->Depth() != depth) {
    Resize(0, 0);
    return;
  }
  ResizeForGrab(static_cast<int16_t>(w), static_cast<int16_t>(h));
  Grab(0, 0);
}
