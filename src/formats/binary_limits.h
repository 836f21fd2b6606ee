// The largest sizes the three binary files can have: those of the longest
// line the line description allows (1 000 000 m), which the model runs
// 7000 m beyond. A file larger than this was not written by the compiler,
// so readers refuse it before reading it.
#pragma once

#include <cstdint>

#include "formats/binary_layout.h"
#include "model/item_record.h"

namespace scn {

inline constexpr std::uint64_t longest_line_m = 1000000;

// Points 0 to line length + 7000, each point one element per axis, each
// element at most a tag and a double.
inline constexpr std::uint64_t max_plan_points = longest_line_m + 7000 + 1;
inline constexpr std::uint64_t max_plan_file_bytes = 2 * max_plan_points * (2 + 8);

// Cells 0 to (line length + 7000) / 50.
inline constexpr std::uint64_t max_cells = (longest_line_m + 7000) / 50 + 1;
inline constexpr std::uint64_t max_cell_file_bytes = max_cells * cell_record_size;

// Every row with the longest text its 16-bit length allows.
inline constexpr std::uint64_t max_item_file_bytes =
    std::uint64_t{item_rows} * (item_row_fixed_size + max_item_text);

}  // namespace scn
