// Outlines of per-cell step charts (gradient, curvature, speed) as path data.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "plot/chart_frame.h"

namespace scn::plot {

// The step line of per-cell values: cell i spans 50 i to 50 i + 50 metres,
// cut at the frame's length.
std::string step_line(const chart_frame& f, const std::vector<double>& values);

// The same steps closed down to `base`, for a filled area.
std::string step_area(const chart_frame& f, const std::vector<double>& values, double base);

// The values with everything below 0 (`keep_positive`) or above 0 cut to 0.
std::vector<double> one_sign(const std::vector<double>& values, bool keep_positive);

}  // namespace scn::plot
