// Gradient, curvature and speed charts, and the background they share.
#include "plot/profile_charts.h"

#include <algorithm>
#include <cmath>

#include "plot/chart_axes.h"
#include "plot/profile_marks.h"
#include "plot/step_paths.h"
#include "plot/svg_text.h"

namespace scn::plot {
namespace {

// A value range around the data and 0, widened to round steps.
double fit_range(chart_frame& f, double low, double high, int steps) {
  low = std::min(low, 0.0);
  high = std::max(high, 0.0);
  if (high - low <= 0) high = low + 1;
  const double step = nice_step(high - low, steps);
  widen_to_step(low, high, step);
  f.low = low;
  f.high = high;
  return step;
}

// A chart of signed per-cell values: area above 0 in one colour, below in another.
void draw_signed_steps(svg_writer& svg, const chart_frame& f, const std::vector<double>& v,
                       std::string_view up, std::string_view down) {
  svg.path(step_area(f, one_sign(v, true), 0), up);
  svg.path(step_area(f, one_sign(v, false), 0), down);
  svg.path(step_line(f, v), "stepline");
}

// Line speed of the cell holding a position, 0 outside the profile.
double speed_at(const std::vector<double>& speed, double metres) {
  const auto i = static_cast<std::size_t>(std::max(metres, 0.0) / 50.0);
  return i < speed.size() ? speed[i] : 0;
}

// A slowdown: a band up to its speed and a notch down from the line speed.
void draw_slowdown(svg_writer& svg, const chart_frame& f, const std::vector<double>& speed,
                   const slowdown_mark& sd) {
  const double x0 = f.x(sd.stretch.start);
  const double x1 = std::max(f.x(sd.stretch.end), x0 + 3);
  const double y = f.y(sd.speed);
  svg.open_tip(xml_escape("slowdown to " + std::to_string(sd.speed) + " km/h, " +
                          km_text(sd.stretch.start) + " to " + km_text(sd.stretch.end).substr(3)));
  svg.rect(x0, y, x1 - x0, f.bottom - y, "slowband");
  path_data notch;
  notch.move(x0, f.y(speed_at(speed, sd.stretch.start)));
  notch.vertical(y);
  notch.move(x1, y);
  notch.vertical(f.y(speed_at(speed, sd.stretch.end)));
  svg.path(notch.str(), "notch");
  svg.line(x0, y, x1, y, "slow");
  svg.text((x0 + x1) / 2, y + 13, std::to_string(sd.speed), "slowlabel mid");
  svg.close("g");
}

}  // namespace

void draw_chart_background(svg_writer& svg, const plot_input& in, const chart_frame& f, double step,
                           chart_title title, bool sign) {
  draw_chart_box(svg, f, step, title, sign);
  draw_km_grid(svg, f);
  draw_station_lines(svg, in, f);
}

void draw_gradient_chart(svg_writer& svg, const plot_input& in, chart_frame f) {
  const auto& g = in.profiles.gradient;
  const double lo = g.empty() ? 0 : *std::min_element(g.begin(), g.end());
  const double hi = g.empty() ? 0 : *std::max_element(g.begin(), g.end());
  const double step = fit_range(f, lo, hi, 4);
  draw_chart_background(svg, in, f, step, {"gradient", "\xE2\x80\xB0"}, true);
  draw_signed_steps(svg, f, g, "up", "down");
}

void draw_curvature_chart(svg_writer& svg, const plot_input& in, chart_frame f) {
  const auto& c = in.profiles.curvature;
  double most = 0;
  for (const double v : c) most = std::max(most, std::abs(v));
  const double step = fit_range(f, -std::max(most, 0.5), std::max(most, 0.5), 4);
  draw_chart_background(svg, in, f, step, {"curvature", "1/km, right +"}, true);
  if (c.empty()) {
    svg.text((f.left + f.right) / 2, (f.top + f.bottom) / 2 + 4,
             "no plan in this model: curvature not available", "note mid");
    return;
  }
  draw_signed_steps(svg, f, c, "right", "left");
}

void draw_speed_chart(svg_writer& svg, const plot_input& in, chart_frame f) {
  const auto& v = in.profiles.speed;
  double hi = v.empty() ? 0 : *std::max_element(v.begin(), v.end());
  for (const auto& sd : in.objects.slowdowns) hi = std::max(hi, static_cast<double>(sd.speed));
  const double step = fit_range(f, 0, hi + 10, 4);
  draw_chart_background(svg, in, f, step, {"speed limit", "km/h"});
  for (const auto& sd : in.objects.slowdowns) draw_slowdown(svg, f, v, sd);
  svg.path(step_line(f, v), "speed");
}

}  // namespace scn::plot
