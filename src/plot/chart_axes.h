// Frames, grids and axis labels of the profile charts.
#pragma once

#include <string_view>

#include "plot/chart_frame.h"
#include "plot/svg_writer.h"

namespace scn::plot {

// Kilometres between labelled ticks of the distance axis.
double km_label_step(double length_m);

// The name of a chart and its unit, both markup-safe.
struct chart_title {
  std::string_view name;
  std::string_view unit;
};

// Background, horizontal grid at multiples of `step` with their values on
// the left, the chart's name and unit written upwards in the margin, and the
// border; `sign` prefixes positive values with "+".
void draw_chart_box(svg_writer& svg, const chart_frame& f, double step, chart_title title,
                    bool sign = false);

// Vertical grid lines at the labelled and the minor kilometre ticks.
void draw_km_grid(svg_writer& svg, const chart_frame& f);

// The distance axis: ticks and kilometre labels under the line `y`.
void draw_km_axis(svg_writer& svg, const chart_frame& f, double y);

}  // namespace scn::plot
