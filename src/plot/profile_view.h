// The profile panel: station band, height, gradient, curvature and speed
// charts and the object lanes, on one distance axis in kilometres.
#pragma once

#include "plot/plot_input.h"
#include "plot/svg_writer.h"

namespace scn::plot {

// Draws the panel with its top edge at `top` and returns the y under it.
double draw_profile_view(svg_writer& svg, const plot_input& in, double top);

}  // namespace scn::plot
