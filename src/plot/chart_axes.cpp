// Chart frames, grids and labels.
#include "plot/chart_axes.h"

#include <cmath>

namespace scn::plot {
namespace {

std::string value_label(double v, double step, bool sign) {
  std::string s = step < 1 ? num(v) : num(std::nearbyint(v));
  if (sign && v > 0) s = "+" + s;
  if (v < 0) s = "\xE2\x88\x92" + s.substr(1);  // a true minus sign
  return s;
}

}  // namespace

double km_label_step(double length_m) {
  return nice_step(length_m / 1000.0, 18);
}

void draw_chart_box(svg_writer& svg, const chart_frame& f, double step, chart_title title,
                    bool sign) {
  svg.rect(f.left, f.top, f.right - f.left, f.height(), "chart");
  for (const double v : ticks(f.low, f.high, step)) {
    const double y = f.y(v);
    svg.line(f.left, y, f.right, y, v == 0 ? "zero" : "grid");
    svg.text(f.left - 6, y + 3.5, value_label(v, step, sign), "tick end");
  }
  const double mid = (f.top + f.bottom) / 2;
  svg.rotated_text(f.left - 62, mid, -90, title.name, "axt mid");
  svg.rotated_text(f.left - 48, mid, -90, title.unit, "unit mid");
}

void draw_km_grid(svg_writer& svg, const chart_frame& f) {
  const double step = km_label_step(f.length_m) * 1000.0;
  const double minor = step / (step >= 5000 ? 5 : 2);
  if (f.x(minor) - f.x(0) >= 6) {
    for (const double m : ticks(0, f.length_m, minor))
      svg.line(f.x(m), f.top, f.x(m), f.bottom, "mgrid");
  }
  for (const double m : ticks(0, f.length_m, step))
    svg.line(f.x(m), f.top, f.x(m), f.bottom, "grid");
}

void draw_km_axis(svg_writer& svg, const chart_frame& f, double y) {
  const double step = km_label_step(f.length_m) * 1000.0;
  const double minor = step / (step >= 5000 ? 5 : 2);
  svg.line(f.left, y, f.right, y, "ax");
  if (f.x(minor) - f.x(0) >= 6) {
    for (const double m : ticks(0, f.length_m, minor)) svg.line(f.x(m), y, f.x(m), y + 4, "ax");
  }
  for (const double m : ticks(0, f.length_m, step)) {
    svg.line(f.x(m), y, f.x(m), y + 7, "ax");
    svg.text(f.x(m), y + 20, num(m / 1000.0), "tick mid");
  }
  svg.text(f.right, y + 36, "distance along the line (km)", "axt end");
}

}  // namespace scn::plot
