// Codes of the `kind` byte of a track cell: what object stands on the cell.
#pragma once

#include <cstdint>

namespace scn {

enum class cell_kind : std::uint8_t {
  empty = 0,
  signal = 1,
  slowdown_end = 2,
  slowdown_start = 3,
  slowdown_warning = 4,
  warning_approach = 5,
  speed_boards = 6,
  station_stop = 10,
  backdrop_mark = 11,
  reduction_mark = 12,
  bare_reduction_mark = 13,
  text_board = 14,
};

inline constexpr std::uint8_t code(cell_kind k) {
  return static_cast<std::uint8_t>(k);
}

// Name of a kind code as used in dumps and messages; "unknown" for unused codes.
const char* cell_kind_name(std::uint8_t kind);

}  // namespace scn
