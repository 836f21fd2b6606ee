// Status codes the two compiler halves set, and the shared ways of setting
// them.
#pragma once

#include <cstdint>

#include "model/scenario.h"

namespace scn {

inline constexpr std::int32_t status_line_too_long = 1;
inline constexpr std::int32_t status_bad_reference = 2;
inline constexpr std::int32_t status_repetition_first = 3;
inline constexpr std::int32_t status_repetition_second = 4;
inline constexpr std::int32_t status_repetition_code = 5;
inline constexpr std::int32_t status_board_cell_taken = 6;
inline constexpr std::int32_t status_reduction_cell_taken = 7;
inline constexpr std::int32_t status_station_position = 8;
inline constexpr std::int32_t status_station_length = 9;
inline constexpr std::int32_t status_station_rows_full = 10;
inline constexpr std::int32_t status_beyond_line = 15;
inline constexpr std::int32_t status_station_spacing = 22;
inline constexpr std::int32_t status_station_too_early = 24;
inline constexpr std::int32_t status_input_failure = 25;
inline constexpr std::int32_t status_no_line_file = 101;
inline constexpr std::int32_t status_no_generale = 102;
inline constexpr std::int32_t status_bad_curve = 103;

// Sets a code that records no position; returns it.
inline std::int32_t refuse(scenario& s, std::int32_t code) {
  s.status_code = code;
  return code;
}

// Sets a code together with its position; returns the code.
inline std::int32_t refuse_at(scenario& s, std::int32_t code, std::int32_t position) {
  s.status_code = code;
  s.status_position = position;
  return code;
}

// True when a record at `position` lies beyond the model: last_cell is less
// than (position + margin) / 50, computed as a real number. The margin is
// 100 m, or 800 m for a station.
inline bool lies_beyond_line(const scenario& s, std::int32_t position, std::int32_t margin) {
  return static_cast<double>(s.last_cell) <
         (static_cast<double>(position) + static_cast<double>(margin)) / 50.0;
}

}  // namespace scn
