// The allocator of the plan's big arrays: arrays from half a large page up
// start on a large-page boundary (so the system can back them with large
// pages) and every array starts at zero and keeps what is stored in it.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "model/large_array_allocator.h"

namespace scn {
namespace {

TEST(LargeArrayAllocator, BigArraysStartOnALargePageAndAllArraysHoldTheirValues) {
  using allocator = large_array_allocator<double>;
  struct size_case {
    std::size_t elements;
    bool aligned;
  };
  const std::size_t half_page = allocator::threshold / sizeof(double);
  for (const auto& c : {size_case{10, false}, size_case{half_page - 1, false},
                        size_case{half_page, true}, size_case{1007001, true}}) {
    SCOPED_TRACE(c.elements);
    std::vector<double, allocator> v(c.elements);
    const auto address = reinterpret_cast<std::uintptr_t>(v.data());
    if (c.aligned) {
      EXPECT_EQ(address % large_page_size, 0u);
    }
    EXPECT_EQ(v.front(), 0.0);
    EXPECT_EQ(v.back(), 0.0);
    v.back() = 2.5;
    v.front() = -1.0;
    std::vector<double, allocator> copy = v;
    EXPECT_EQ(copy.back(), 2.5);
    EXPECT_EQ(copy.front(), -1.0);
  }
}

}  // namespace
}  // namespace scn
