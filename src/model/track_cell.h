// One 50 m stretch of the track model, as the cell file stores it.
#pragma once

#include <cstdint>

namespace scn {

struct track_cell {
  std::uint8_t kind = 0;  // cell_kind code of the object on the cell
  std::int16_t value1 = 0;
  std::int16_t value2 = 0;
  std::int16_t value3 = 0;
  std::int16_t value4 = 0;
  std::uint8_t timer = 0;        // signal timer
  std::uint8_t approach = 0;     // approach code towards a signal or a stop
  std::uint8_t backdrop = 0;     // scenery type of the span covering the cell
  std::uint8_t speed_limit = 0;  // line speed in units of 5 km/h
  std::uint8_t gradient = 0;     // per mille + 100, low byte
  std::uint8_t adhesion = 0;     // percent, low byte

  bool operator==(const track_cell&) const = default;
};

}  // namespace scn
