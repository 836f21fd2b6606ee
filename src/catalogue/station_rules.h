// What a station's kind decides: the extent of its area along the line and
// whether it gets a stop cell and approach codes.
#pragma once

#include <cstdint>

namespace scn {

// Kinds from this one up have no stop cell and no approach codes.
inline constexpr std::int64_t first_kind_without_stop = 25;

// A station area must begin this far after the previous one ends.
inline constexpr std::int64_t station_spacing = 350;

inline bool station_has_stop(std::int64_t kind) {
  return kind < first_kind_without_stop;
}

// Kinds 5 and 6 stop without approach codes.
inline bool station_has_approach(std::int64_t kind) {
  return station_has_stop(kind) && kind != 5 && kind != 6;
}

// Kinds 5 to 8 reach back from the position by the length; they ignore the
// end extension.
inline bool station_reaches_back(std::int64_t kind) {
  return kind >= 5 && kind <= 8;
}

struct station_area {
  std::int64_t start;
  std::int64_t end;
};

// Kinds 5 and 6 run from position - length to position + 150, 7 and 8 to
// position + length; every other kind is centred on the position, rounded
// to the nearest metre (ties to even), and a non-zero end extension adds
// 50 m to its end.
station_area station_area_of(std::int64_t position, std::int64_t kind, std::int64_t length,
                             std::int64_t end_extension);

}  // namespace scn
