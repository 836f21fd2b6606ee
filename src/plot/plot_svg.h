// The route plot: one standalone SVG picture of a compiled scenario, with the
// plan of the line on top and the charts along the line below it.
#pragma once

#include <string>

#include "model/scenario.h"

namespace scn::plot {

// Renders the whole picture as UTF-8 SVG text. Works on any model, also a
// partly compiled one: what is missing is said in the picture.
std::string render_plot_svg(const scenario& s);

}  // namespace scn::plot
