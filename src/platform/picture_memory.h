#pragma once
// Memory for whole pictures (a 1024 x 768 frame is 3 MB): pieces of a megabyte or more are packed
// into large regions backed by huge pages where the system has them, smaller ones come from the
// ordinary heap, and under AddressSanitizer every piece comes from the heap.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

namespace picture_memory {
// Once the pictures of start-up are made: gives back the unused end of the last region.
void TrimLargePictures();

// Null when the memory is not there.
void* Allocate(size_t bytes);
void Free(void* p, size_t bytes);
}  // namespace picture_memory

// For std::vector of picture bytes or pixels.
template <class T>
struct PictureAllocator {
  using value_type = T;
  PictureAllocator() = default;
  template <class U>
  PictureAllocator(const PictureAllocator<U>&) {}
  T* allocate(size_t n) {
    void* p = picture_memory::Allocate(n * sizeof(T));
    if (p == nullptr) throw std::bad_alloc();
    return static_cast<T*>(p);
  }
  void deallocate(T* p, size_t n) { picture_memory::Free(p, n * sizeof(T)); }
  template <class U>
  bool operator==(const PictureAllocator<U>&) const { return true; }
};

// A zeroed block of picture bytes that frees itself; null when the memory is not there.
struct PictureBytesFree {
  size_t bytes = 0;
  void operator()(uint8_t* p) const { picture_memory::Free(p, bytes); }
};
using PictureBytes = std::unique_ptr<uint8_t[], PictureBytesFree>;

inline PictureBytes MakePictureBytes(size_t bytes) {
  auto* p = static_cast<uint8_t*>(picture_memory::Allocate(bytes));
  if (p != nullptr) std::fill(p, p + bytes, uint8_t{0});
  return PictureBytes(p, PictureBytesFree{bytes});
}
