// Names of the stations and kilometre marks on the plan, placed where they
// cover neither each other nor the line.
#pragma once

#include "plot/label_placer.h"
#include "plot/plan_canvas.h"
#include "plot/plot_input.h"

namespace scn::plot {

// Draws station dots and names, then kilometre marks, inside `bounds` and
// clear of the `reserved` boxes (scale bar, axes).
void draw_plan_labels(svg_writer& svg, const plot_input& in, const plan_canvas& canvas,
                      const label_box& bounds, const std::vector<label_box>& reserved);

}  // namespace scn::plot
