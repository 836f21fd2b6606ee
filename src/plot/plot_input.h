// Everything the route plot draws, gathered once from the compiled model.
#pragma once

#include "model/scenario.h"
#include "plot/route_objects.h"
#include "plot/route_profiles.h"

namespace scn::plot {

struct plot_input {
  const scenario& model;
  double length_m = 0;  // drawn length of the line
  route_objects objects;
  route_profiles profiles;
};

// Page geometry shared by the panels: every panel spans the same width, and
// the profile charts share the horizontal axis of the line.
namespace plot_page {
inline constexpr double width = 1600;
inline constexpr double left = 118;    // start of the line in the charts
inline constexpr double right = 1564;  // end of the line in the charts
inline constexpr double margin = 16;   // outer margin of the panels
}  // namespace plot_page

}  // namespace scn::plot
