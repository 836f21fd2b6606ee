// Plan positions to page pixels.
#include "plot/plan_canvas.h"

#include <algorithm>

namespace scn::plot {

page_point plan_canvas::at(double metre) const {
  const page_point p = projection_.project(track_.at(metre));
  return {left_ + p.x, top_ + p.y};
}

page_point plan_canvas::heading(double metre) const {
  const plan_point a = track_.at(metre - 10), b = track_.at(metre + 10);
  return projection_.direction(b.x - a.x, b.y - a.y);
}

std::string plan_canvas::polyline_points(double from, double to) const {
  // About one point per page pixel and a half, never coarser than 25 m.
  const double step = std::clamp(1.5 / std::max(projection_.scale(), 1e-9), 2.0, 25.0);
  std::string out;
  for (const plan_point& p : track_.sample(from, to, step)) {
    const page_point q = projection_.project(p);
    if (!out.empty()) out += ' ';
    out += num(left_ + q.x) + ',' + num(top_ + q.y);
  }
  return out;
}

void plan_canvas::stretch(svg_writer& svg, double from, double to, std::string_view cls) const {
  std::string markup = "<polyline points=\"" + polyline_points(from, to) + "\" class=\"";
  markup += cls;
  markup += "\"/>\n";
  svg.raw(markup);
}

}  // namespace scn::plot
