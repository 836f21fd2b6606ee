// The style sheet of the route plot: colours, strokes and fonts by class.
#pragma once

#include <string_view>

namespace scn::plot {

std::string_view plot_style_sheet();

}  // namespace scn::plot
