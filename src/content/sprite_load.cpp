// Loading one image by name: out of the archive (a copy left in the temporary file), decoded into
// the screen buffer and grabbed into the sprite.
#include <cerrno>
#include <cstdio>
#include <cstring>
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
  kInScratch,  // the member is whole in the scratch block
  kSkipped,    // the record does not describe bytes of the pack: nothing taken from it
  kStopped,    // the pack cannot be read: loading has to stop
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
// the game cost tens of milliseconds at start-up. False, with errno set, when it cannot be.
bool bWriteTemporary(const std::string& tempFile, const uint8_t* bytes, size_t length) {
  errno = 0;
  FILE* temp = PlatformOpen(tempFile.c_str(), "r+b");
  if (temp == nullptr) temp = PlatformOpen(tempFile.c_str(), "wb");
  bool written = temp != nullptr && std::fwrite(bytes, 1, length, temp) == length;
  if (temp != nullptr) written = std::fclose(temp) == 0 && written;
  if (!written) return false;
  std::error_code error;
  std::filesystem::resize_file(PlatformPath(tempFile.c_str()), length, error);
  if (error) errno = error.value();
  return !error;
}

// The temporary file is only a copy: pictures are decoded from the member in memory. A folder
// that cannot be written (read-only, full) therefore costs nothing but the copy, and is told
// once in the graphics trace.
void vKeepTemporaryCopy(const std::string& tempFile, const uint8_t* bytes, size_t length) {
  static bool told = false;
  if (bWriteTemporary(tempFile, bytes, length) || told) return;
  told = true;
  const int reason = errno;
  GraphicsDebugLog("** NOTE** CANNOT WRITE %s (%s): PICTURES ARE DECODED FROM MEMORY\n",
                   ShownPath(tempFile.c_str()).c_str(), std::strerror(reason));
}

// Copies one archive member out of the pack into the scratch block (and the temporary file).
Extracted ExtractMember(const ContentCatalogue& catalogue, const ContentEntry& entry,
                        uint8_t* scratch, const std::string& tempFile) {
  FILE* pack = PlatformOpen(catalogue.packPath, "rb");
  if (pack == nullptr) {
    vSetUnreadableError(catalogue.packPath);
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
  vKeepTemporaryCopy(tempFile, scratch, got);
  return Extracted::kInScratch;
}

struct ArchiveLookup {
  bool bMatched = false;    // some entry carries the name
  bool bInScratch = false;  // the last usable one of them is whole in the scratch block,
  size_t length = 0;        // `length` bytes long
  bool bStopped = false;
};

// Entries of that name are tried from the last in the index: the last usable one wins.
ArchiveLookup LookUp(const ContentCatalogue& catalogue, const std::string& member,
                     uint8_t* scratch, const std::string& tempFile) {
  ArchiveLookup lookup;
  for (int i = catalogue.entries != nullptr ? catalogue.count - 1 : -1; i >= 0; --i) {
    const ContentEntry& entry = catalogue.entries[i];
    if (strcasecmp(entry.name, member.c_str()) != 0) continue;
    lookup.bMatched = true;
    Extracted result = ExtractMember(catalogue, entry, scratch, tempFile);
    lookup.bStopped = result == Extracted::kStopped;
    lookup.bInScratch = result == Extracted::kInScratch;
    if (result != Extracted::kSkipped) {
      lookup.length = entry.length;
      return lookup;
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
  ArchiveLookup lookup;
  if (archive != 0 && catalogue != nullptr) {
    lookup = LookUp(*catalogue, member, frameStack->Scratch(),
                    std::string(catalogue->artDir) + "temp.pcx");
    if (!lookup.bMatched) GraphicsDebugLog("** FATAL ERROR** COULD NOT FIND FILE %s\n", member.c_str());
  }
  if (lookup.bStopped) {
    // The archive cannot be read: the sprite keeps what it holds (a reload leaves the picture
    // it had) and loading stops.
  } else if (lookup.bInScratch) {
    DecodeAndGrab(frameStack->Scratch(), lookup.length);
  } else if (!lookup.bMatched) {
    DecodeAndGrab(name);  // the plain file of that name
  } else {
    Resize(0, 0);  // entries that named the image but could not be used leave it empty
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
