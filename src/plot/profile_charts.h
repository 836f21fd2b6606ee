// The four charts along the line: height, gradient, curvature and speed.
// Each takes a frame with its pixel box set and chooses its value range.
#pragma once

#include "plot/chart_axes.h"
#include "plot/chart_frame.h"
#include "plot/plot_input.h"
#include "plot/svg_writer.h"

namespace scn::plot {

void draw_height_chart(svg_writer& svg, const plot_input& in, chart_frame f);
void draw_gradient_chart(svg_writer& svg, const plot_input& in, chart_frame f);
void draw_curvature_chart(svg_writer& svg, const plot_input& in, chart_frame f);
void draw_speed_chart(svg_writer& svg, const plot_input& in, chart_frame f);

// Box, grids and station lines under a chart's data.
void draw_chart_background(svg_writer& svg, const plot_input& in, const chart_frame& f, double step,
                           chart_title title, bool sign = false);

}  // namespace scn::plot
