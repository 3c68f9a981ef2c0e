#include "archive_writer.h"

#include <cstdio>
#include <cstring>

#include "util/little_endian.h"

namespace contentgen {
bool ArchiveWriter::Add(const std::string& name, std::vector<uint8_t> bytes) {
  if (name.empty() || name.size() >= kIndexNameSize || name.find('\0') != std::string::npos) return false;
  members_.push_back({name, std::move(bytes)});
  return true;
}

std::vector<uint8_t> ArchiveWriter::IndexBytes() const {
  std::vector<uint8_t> index(members_.size() * kIndexRecordSize, 0);
  uint32_t offset = 0;
  for (size_t i = 0; i < members_.size(); ++i) {
    uint8_t* record = index.data() + i * kIndexRecordSize;
    WriteLe32(record, offset);
    std::memcpy(record + 4, members_[i].name.data(), members_[i].name.size());
    WriteLe32(record + 4 + kIndexNameSize, uint32_t(members_[i].bytes.size()));
    offset += uint32_t(members_[i].bytes.size());
  }
  return index;
}

std::vector<uint8_t> ArchiveWriter::PackBytes() const {
  std::vector<uint8_t> pack;
  for (const Member& m : members_) pack.insert(pack.end(), m.bytes.begin(), m.bytes.end());
  return pack;
}

bool ArchiveWriter::Write(const std::string& indexPath, const std::string& packPath) const {
  return bWriteFile(indexPath, IndexBytes()) && bWriteFile(packPath, PackBytes());
}

bool bWriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fclose(f) == 0 && ok;
  return ok;
}

}  // namespace contentgen
