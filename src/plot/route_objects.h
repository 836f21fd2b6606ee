// What stands along the line, read back from a compiled model for drawing:
// stations, signals, slowdowns, text boards and the tunnels they announce.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/scenario.h"

namespace scn::plot {

struct station_mark {
  std::int32_t position = 0;  // metres
  std::string name;           // UTF-8
  std::uint8_t kind = 0;
  bool stops = false;       // kinds below 25 have a stop cell
  std::int32_t time_s = 0;  // time of day in seconds; 0 when the row has none
};

struct signal_mark {
  std::int32_t position = 0;
  int type = 0;  // sx, recovered from value4 = rapp*10 + sx*3 + dx
};

// Positions of a stretch of line in metres, start <= end.
struct line_stretch {
  std::int32_t start = 0;
  std::int32_t end = 0;
};

struct slowdown_mark {
  line_stretch stretch;
  int speed = 0;  // km/h
};

struct board_mark {
  std::int32_t position = 0;
  std::string caption;  // UTF-8, one line
  bool tunnel = false;  // the text names a tunnel ("(GALLERIA...")
};

struct tunnel_mark {
  line_stretch stretch;
  std::string caption;  // the board that announces it
};

struct route_objects {
  std::vector<station_mark> stations;
  std::vector<signal_mark> signals;
  std::vector<slowdown_mark> slowdowns;
  std::vector<std::int32_t> slowdown_warnings;  // positions of warning boards
  std::vector<board_mark> boards;
  std::vector<tunnel_mark> tunnels;
};

// Position in metres of an object placed in cell i (the inverse of p / 50 + 1).
inline std::int32_t object_position(std::size_t cell) {
  return (static_cast<std::int32_t>(cell) - 1) * 50;
}

// Collects every object of the model, each list in ascending position.
route_objects collect_route_objects(const scenario& s);

// True when a board text announces a tunnel: its first group, blanks inside
// the parenthesis and letter case aside, opens with "GALLERIA".
bool names_tunnel(std::string_view board_text);

// The stretch of backdrop cells that a tunnel board announces: the first run
// of cells with a backdrop that begins within 600 m after the board's cell,
// or the run the board stands in. Empty when there is none.
line_stretch tunnel_stretch(const scenario& s, std::size_t board_cell);

}  // namespace scn::plot
