// The plan panel: the line seen from above with its stations, signals,
// slowdowns and tunnels, kilometre marks and a scale bar.
#pragma once

#include "plot/plot_input.h"
#include "plot/svg_writer.h"

namespace scn::plot {

// Draws the panel with its top edge at `top` and returns the y under it.
// Without a plan the panel only says so.
double draw_plan_view(svg_writer& svg, const plot_input& in, double top);

}  // namespace scn::plot
