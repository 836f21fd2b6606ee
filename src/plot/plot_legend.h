// The legend under the route plot: one swatch and a word per kind of mark.
#pragma once

#include "plot/svg_writer.h"

namespace scn::plot {

// Draws the legend from `top`; returns the y under it.
double draw_plot_legend(svg_writer& svg, double top);

}  // namespace scn::plot
