// The beyond-the-line rule decided in integers gives the answer of the real
// quotient (position + margin) / 50 against last_cell, at every boundary.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "compiler/compile_status.h"

namespace scn {
namespace {

bool by_real_quotient(std::int32_t last_cell, std::int32_t position, std::int32_t margin) {
  return static_cast<double>(last_cell) <
         (static_cast<double>(position) + static_cast<double>(margin)) / 50.0;
}

TEST(BeyondLine, IntegersDecideAsTheRealQuotient) {
  constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
  scenario s;
  for (const std::int32_t last_cell : {0, 1, 2, 141, 20141, -3, 42949672, highest, lowest}) {
    s.last_cell = last_cell;
    for (const std::int32_t margin : {100, 800, 0}) {
      // Positions around the boundary 50 * last_cell - margin, and far off.
      const std::int64_t edge = std::int64_t{50} * last_cell - margin;
      for (std::int64_t p = edge - 3; p <= edge + 3; ++p) {
        if (p < lowest || p > highest) continue;
        const auto position = static_cast<std::int32_t>(p);
        EXPECT_EQ(lies_beyond_line(s, position, margin),
                  by_real_quotient(last_cell, position, margin))
            << last_cell << " " << position << " " << margin;
      }
      for (const std::int32_t position : {lowest, -1, 0, 1, highest}) {
        EXPECT_EQ(lies_beyond_line(s, position, margin),
                  by_real_quotient(last_cell, position, margin))
            << last_cell << " " << position << " " << margin;
      }
    }
  }
}

}  // namespace
}  // namespace scn
