#pragma once
// Memory for whole pictures (a 1024 x 768 frame is 3 MB). Pieces of a megabyte or more are taken
// on 2 MB boundaries and the kernel is asked to back them with huge pages: redrawing a narrow
// column of a frame then touches a couple of pages instead of hundreds, which matters most when
// the memory has gone cold while the game waited. Smaller pieces come from the ordinary heap.
#include <sys/mman.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>

namespace picture_memory {
constexpr size_t kHugePage = size_t{2} << 20;
constexpr size_t kLargeFrom = size_t{1} << 20;

inline void* Allocate(size_t bytes) {
  if (bytes < kLargeFrom) return ::operator new(bytes, std::nothrow);
  const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* p = std::aligned_alloc(kHugePage, rounded);
  if (p != nullptr) madvise(p, rounded, MADV_HUGEPAGE);  // advice only: a refusal changes nothing
  return p;
}

inline void Free(void* p, size_t bytes) {
  if (bytes < kLargeFrom) ::operator delete(p);
  else std::free(p);
}
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
