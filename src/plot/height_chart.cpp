// The height chart: the line's height above its start, from the gradients.
#include <algorithm>
#include <cmath>

#include "plot/chart_axes.h"
#include "plot/profile_charts.h"
#include "plot/profile_marks.h"
#include "plot/svg_text.h"

namespace scn::plot {
namespace {

struct height_point {
  double metres;
  double height;
};

// Points where the gradient changes, plus both ends: the line between them
// is straight. The last cell is cut at the line's end.
std::vector<height_point> height_points(const route_profiles& p, double length_m) {
  std::vector<height_point> out;
  for (std::size_t i = 0; i <= p.cells; ++i) {
    if (i != 0 && i != p.cells && p.gradient[i] == p.gradient[i - 1]) continue;
    const double at = static_cast<double>(i) * 50.0;
    if (i == p.cells && i > 0 && at > length_m) {
      const double start = at - 50.0;
      out.push_back({length_m, p.height[i - 1] + p.gradient[i - 1] * (length_m - start) / 1000.0});
    } else {
      out.push_back({at, p.height[i]});
    }
  }
  return out;
}

void draw_tunnel_shades(svg_writer& svg, const plot_input& in, const chart_frame& f) {
  for (const auto& t : in.objects.tunnels) {
    if (t.stretch.end <= t.stretch.start) continue;
    const double x0 = f.x(t.stretch.start);
    svg.rect(x0, f.top, std::max(f.x(t.stretch.end) - x0, 1.0), f.height(), "tshade");
  }
}

void draw_highest(svg_writer& svg, const chart_frame& f, const std::vector<height_point>& pts) {
  const auto top = std::max_element(
      pts.begin(), pts.end(), [](const auto& a, const auto& b) { return a.height < b.height; });
  if (top == pts.end() || top->height < 0.5) return;
  const double x = f.x(top->metres), y = f.y(top->height);
  svg.circle(x, y, 3.5, "peak");
  const std::string label =
      "highest point +" + num(std::nearbyint(top->height)) + " m, " + km_text(top->metres);
  const bool left = x > (f.left + f.right) / 2;
  svg.text(left ? x - 8 : x + 8, y - 6, xml_escape(label), left ? "peakl end" : "peakl");
}

}  // namespace

void draw_height_chart(svg_writer& svg, const plot_input& in, chart_frame f) {
  const auto pts = height_points(in.profiles, in.length_m);
  double lo = 0, hi = 0;
  for (const auto& p : pts) lo = std::min(lo, p.height), hi = std::max(hi, p.height);
  if (hi - lo <= 0) hi = lo + 10;
  const double step = nice_step(hi - lo, 5);
  lo = std::floor(lo / step) * step;
  hi = std::ceil((hi + 0.12 * (hi - lo)) / step) * step;  // headroom for the label
  f.low = lo;
  f.high = hi;
  draw_chart_background(svg, in, f, step, {"height", "m above the start"});
  draw_tunnel_shades(svg, in, f);
  path_data area, line;
  area.move(f.x(0), f.bottom);
  for (std::size_t k = 0; k < pts.size(); ++k) {
    area.line(f.x(pts[k].metres), f.y(pts[k].height));
    if (k == 0)
      line.move(f.x(pts[k].metres), f.y(pts[k].height));
    else
      line.line(f.x(pts[k].metres), f.y(pts[k].height));
  }
  area.line(f.x(pts.empty() ? 0 : pts.back().metres), f.bottom);
  area.close();
  svg.path(area.str(), "ground");
  svg.path(line.str(), "hline");
  draw_highest(svg, f, pts);
}

}  // namespace scn::plot
