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
// than (position + margin) / 50, computed as a real number. The margin is
// 100 m, or 800 m for a station.
inline bool lies_beyond_line(const scenario& s, std::int32_t position, std::int32_t margin) {
  return static_cast<double>(s.last_cell) <
         (static_cast<double>(position) + static_cast<double>(margin)) / 50.0;
}

}  // namespace scn
