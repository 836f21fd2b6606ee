// The shared ways in which the two compiler halves set status codes.
#pragma once

#include <cstdint>

#include "catalogue/status_catalogue.h"
#include "model/scenario.h"

namespace scn {

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
// than (position + margin) / 50 as a real number. The margin is 100 m, or
// 800 m for a station. Compared in integers, 50 * last_cell < position +
// margin, which decides exactly as the real quotient does: the quotient
// lies at least 1/50 from any integer it differs from, far more than its
// rounding, so it never rounds onto last_cell.
inline bool lies_beyond_line(const scenario& s, std::int32_t position, std::int32_t margin) {
  return std::int64_t{50} * s.last_cell < std::int64_t{position} + margin;
}

}  // namespace scn
