#pragma once
// The content archive: an index of 264-byte records (offset, 256-byte name, length, integers
// little-endian) and a pack holding the members' bytes back to back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace contentgen {

constexpr size_t kIndexRecordSize = 264;
constexpr size_t kIndexNameSize = 256;

class ArchiveWriter {
 public:
  // Adds a member; false when the name does not fit in the record (255 bytes and a NUL).
  bool Add(const std::string& name, std::vector<uint8_t> bytes);

  std::vector<uint8_t> IndexBytes() const;
  std::vector<uint8_t> PackBytes() const;
  size_t Count() const { return members_.size(); }

  // Writes both files; false when either cannot be written.
  bool Write(const std::string& indexPath, const std::string& packPath) const;

 private:
  struct Member {
    std::string name;
    std::vector<uint8_t> bytes;
  };
  std::vector<Member> members_;
};

// Writes bytes to a file (creating nothing on the way); false on failure.
bool bWriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace contentgen
