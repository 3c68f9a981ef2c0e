#pragma once
// Memory for whole pictures (a 1024 x 768 frame is 3 MB). Pieces of a megabyte or more are carved
// one after another out of regions on 2 MB boundaries that the kernel is asked to back with huge
// pages: redrawing a narrow column of a frame then touches a couple of pages instead of hundreds,
// which matters most when the memory has gone cold while the game waited. Packing them keeps the
// waste of huge pages to the unused end of the last region instead of rounding every picture up to
// 2 MB. Smaller pieces come from the ordinary heap (picture_memory.cpp).
#include <sys/mman.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace picture_memory {
constexpr size_t kHugePage = size_t{2} << 20;
constexpr size_t kSmallPage = 4096;
constexpr size_t kLargeFrom = size_t{1} << 20;
constexpr size_t kRegionBytes = size_t{32} << 20;
constexpr size_t kAlignment = 64;  // a cache line: rows start where the processor likes them

constexpr size_t RoundUp(size_t bytes, size_t unit) { return (bytes + unit - 1) / unit * unit; }

// Hands out pieces of large regions. Freed pieces are kept for the next piece that fits; the
// regions stay mapped for the life of the process (the game keeps its pictures that long too).
class Arena {
 public:
  void* Take(size_t bytes) {
    bytes = RoundUp(bytes, kAlignment);
    std::lock_guard<std::mutex> hold(lock_);
    if (void* reused = TakeFreed(bytes)) return reused;
    if (static_cast<size_t>(end_ - next_) < bytes && !MapRegion(bytes)) return nullptr;
    void* p = next_;
    next_ += bytes;
    return p;
  }

  void Give(void* p, size_t bytes) {
    std::lock_guard<std::mutex> hold(lock_);
    freed_.push_back({static_cast<uint8_t*>(p), RoundUp(bytes, kAlignment)});
  }

  struct Piece {
    uint8_t* at;
    size_t bytes;
  };

  // Gives back the memory of the current region's unused end that shares a huge page with
  // pictures: the kernel then keeps only the touched small pages of that last 2 MB.
  void Trim() {
    std::lock_guard<std::mutex> hold(lock_);
    auto* from = reinterpret_cast<uint8_t*>(RoundUp(reinterpret_cast<uintptr_t>(next_), kSmallPage));
    auto* to = reinterpret_cast<uint8_t*>(RoundUp(reinterpret_cast<uintptr_t>(next_), kHugePage));
    if (from < to && to <= end_) madvise(from, static_cast<size_t>(to - from), MADV_DONTNEED);
  }

 private:
  // The smallest freed piece that holds `bytes`; what it has beyond them stays free.
  void* TakeFreed(size_t bytes) {
    auto best = freed_.end();
    for (auto it = freed_.begin(); it != freed_.end(); ++it) {
      if (it->bytes >= bytes && (best == freed_.end() || it->bytes < best->bytes)) best = it;
    }
    if (best == freed_.end()) return nullptr;
    uint8_t* p = best->at;
    if (best->bytes == bytes) freed_.erase(best);
    else *best = {best->at + bytes, best->bytes - bytes};
    return p;
  }

  // A new region on a 2 MB boundary; the rest of the current one is kept as a freed piece.
  bool MapRegion(size_t atLeast) {
    const size_t bytes = std::max(kRegionBytes, RoundUp(atLeast, kHugePage));
    void* raw = mmap(nullptr, bytes + kHugePage, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (raw == MAP_FAILED) return false;
    auto* start = reinterpret_cast<uint8_t*>(RoundUp(reinterpret_cast<uintptr_t>(raw), kHugePage));
    auto* mapEnd = static_cast<uint8_t*>(raw) + bytes + kHugePage;
    if (start > raw) munmap(raw, static_cast<size_t>(start - static_cast<uint8_t*>(raw)));
    if (mapEnd > start + bytes) munmap(start + bytes, static_cast<size_t>(mapEnd - start - bytes));
    madvise(start, bytes, MADV_HUGEPAGE);  // advice only: a refusal changes nothing
    if (end_ > next_) freed_.push_back({next_, static_cast<size_t>(end_ - next_)});
    next_ = start;
    end_ = start + bytes;
    return true;
  }

  std::mutex lock_;
  uint8_t* next_ = nullptr;
  uint8_t* end_ = nullptr;
  std::vector<Piece> freed_;
};

inline Arena& LargePictures() {
  static Arena* arena = new Arena;  // never destroyed: pictures may be freed during exit
  return *arena;
}

// Under AddressSanitizer every picture comes from the heap, so that a write past one is caught.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPackLarge = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kPackLarge = false;
#else
constexpr bool kPackLarge = true;
#endif
#else
constexpr bool kPackLarge = true;
#endif
}  // namespace picture_memory
