// The values along the line drawn in the profile charts, one per 50 m cell:
// gradient, height, speed limit and curvature.
#pragma once

#include <cstddef>
#include <vector>

#include "model/scenario.h"

namespace scn::plot {

struct route_profiles {
  std::size_t cells = 0;          // cells shown: those that start before the line's end
  std::vector<double> gradient;   // per mille, per cell
  std::vector<double> height;     // metres above the start at each cell boundary (cells + 1)
  std::vector<double> speed;      // line speed in km/h, per cell
  std::vector<double> curvature;  // 1/km, right-hand positive, per cell; empty without a plan
};

// Length of the line in metres as drawn: the run row's line length, or the
// whole model where that is missing or longer than the model.
double drawn_length(const scenario& s);

// Cell i carries the stretch from 50 i to 50 i + 50 metres.
route_profiles build_route_profiles(const scenario& s, double length_m);

}  // namespace scn::plot
