// Layout of the profile panel.
#include "plot/profile_view.h"

#include "plot/chart_axes.h"
#include "plot/profile_charts.h"
#include "plot/profile_marks.h"

namespace scn::plot {
namespace {

constexpr double title_height = 34;
constexpr double gap = 10;
constexpr double axis_height = 46;

enum section { band, height, gradient, curvature, speed, lanes, sections };

double section_height(const plot_input& in, int k) {
  constexpr double heights[] = {0, 230, 130, 120, 160, 0};
  if (k == band) return station_band_height(in);
  if (k == lanes) return lanes_height();
  return heights[k];
}

}  // namespace

double draw_profile_view(svg_writer& svg, const plot_input& in, double top) {
  chart_frame frames[sections];
  double y = top + title_height;
  for (int k = 0; k < sections; ++k) {
    frames[k] = {plot_page::left, plot_page::right, y, y + section_height(in, k), in.length_m};
    y = frames[k].bottom + (k == band || k == speed ? 2 : gap);
  }
  const double bottom = y + axis_height;
  const double outer = plot_page::width - 2 * plot_page::margin;
  svg.rect(plot_page::margin, top, outer, bottom - top, "panel");
  svg.text(plot_page::margin + 14, top + 24, "Along the line", "ptitle");
  draw_station_band(svg, in, frames[band]);
  draw_height_chart(svg, in, frames[height]);
  draw_gradient_chart(svg, in, frames[gradient]);
  draw_curvature_chart(svg, in, frames[curvature]);
  draw_speed_chart(svg, in, frames[speed]);
  draw_object_lanes(svg, in, frames[lanes]);
  draw_km_axis(svg, frames[lanes], frames[lanes].bottom + 2);
  return bottom;
}

}  // namespace scn::plot
