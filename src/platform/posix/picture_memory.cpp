#include "platform/picture_memory.h"

#include "platform/posix/picture_memory.h"

namespace picture_memory {
// See Arena::Trim.
void TrimLargePictures() {
  if (kPackLarge) LargePictures().Trim();
}

void* Allocate(size_t bytes) {
  if (bytes < kLargeFrom || !kPackLarge) return ::operator new(bytes, std::nothrow);
  return LargePictures().Take(bytes);
}

void Free(void* p, size_t bytes) {
  if (p == nullptr) return;
  if (bytes < kLargeFrom || !kPackLarge) ::operator delete(p);
  else LargePictures().Give(p, bytes);
}
}  // namespace picture_memory
