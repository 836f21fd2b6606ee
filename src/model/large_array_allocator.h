// An allocator for the few arrays that grow with the line to megabytes (the
// plan's coordinates and tags): an array of at least half a large page is
// rounded up to whole large pages, aligned to them, and the system is asked
// to back it with them, which saves most of the page faults of filling it.
// Smaller arrays are allocated as usual.
#pragma once

#include <cstddef>
#include <memory>
#include <new>

#include "platform/memory_hints.h"

namespace scn {

template <typename T>
struct large_array_allocator {
  using value_type = T;

  large_array_allocator() = default;
  template <typename U>
  explicit large_array_allocator(const large_array_allocator<U>&) {}

  static constexpr std::size_t threshold = large_page_size / 2;

  T* allocate(std::size_t n) {
    const std::size_t bytes = n * sizeof(T);
    if (bytes < threshold) return std::allocator<T>().allocate(n);
    const std::size_t rounded = (bytes + large_page_size - 1) / large_page_size * large_page_size;
    void* p = ::operator new (rounded, std::align_val_t{large_page_size});
    prefer_large_pages(p, rounded);
    return static_cast<T*>(p);
  }

  void deallocate(T* p, std::size_t n) {
    if (n * sizeof(T) < threshold) {
      std::allocator<T>().deallocate(p, n);
    } else {
      ::operator delete (p, std::align_val_t{large_page_size});
    }
  }

  bool operator==(const large_array_allocator&) const = default;
};

}  // namespace scn
