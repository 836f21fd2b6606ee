// The plan panel of the route plot.
#include "plot/plan_view.h"

#include <algorithm>
#include <cmath>

#include "plot/chart_frame.h"
#include "plot/plan_canvas.h"
#include "plot/plan_labels.h"
#include "plot/profile_marks.h"
#include "plot/svg_text.h"

namespace scn::plot {
namespace {

constexpr double pad_x = 70;       // room for names beside the line's ends
constexpr double pad_top = 46;     // panel title
constexpr double pad_bottom = 34;  // names under the lowest points
constexpr double min_height = 200, max_height = 560;

void draw_objects(svg_writer& svg, const plot_input& in, const plan_canvas& c) {
  for (const auto& t : in.objects.tunnels) {
    if (t.stretch.end > t.stretch.start) c.stretch(svg, t.stretch.start, t.stretch.end, "ptunnel");
  }
  for (const auto& sd : in.objects.slowdowns) {
    c.stretch(svg, sd.stretch.start, std::max(sd.stretch.end, sd.stretch.start + 25), "pslow");
  }
  c.stretch(svg, 0, in.length_m, "ptrack");
  for (const auto& t : in.objects.tunnels) {
    if (t.stretch.end > t.stretch.start)
      c.stretch(svg, t.stretch.start, t.stretch.end, "ptunnelcore");
  }
  for (const auto& sig : in.objects.signals) {
    const page_point p = c.at(sig.position);
    svg.circle(p.x, p.y, 2.4, sig.type == 2 ? "psig2" : "psig1");
  }
}

// A bar of four alternating segments, a round length long, ending at x.
double draw_scale_bar(svg_writer& svg, double scale, double x, double y) {
  const double metres = nice_step(200 / std::max(scale, 1e-9), 1);
  const double w = metres * scale;
  for (int k = 0; k < 4; ++k) svg.rect(x - w + w * k / 4, y, w / 4, 6, k % 2 ? "sbw" : "sbb");
  svg.text(x - w, y + 19, "0", "tick mid");
  const std::string label = metres >= 1000 ? num(metres / 1000) + " km" : num(metres) + " m";
  svg.text(x, y + 19, label, "tick mid");
  return w;
}

// Arrows of the plan's two axes, turned as the drawing is.
void draw_axes_glyph(svg_writer& svg, const plan_projection& proj, double x, double y) {
  const page_point ax = proj.direction(1, 0), ay = proj.direction(0, 1);
  svg.line(x, y, x + ax.x * 14, y + ax.y * 14, "axarrow");
  svg.line(x, y, x + ay.x * 14, y + ay.y * 14, "axarrow");
  svg.text(x + ax.x * 21, y + ax.y * 21 + 3.5, "x", "tick mid");
  svg.text(x + ay.x * 21, y + ay.y * 21 + 3.5, "y", "tick mid");
}

// Scale bar and plan axes at the right of the panel's title strip; returns
// the box they take, to keep labels off it.
label_box draw_furniture(svg_writer& svg, const plan_projection& proj, double top) {
  const double right = plot_page::width - plot_page::margin;
  draw_axes_glyph(svg, proj, right - 34, top + 24);
  const double w = draw_scale_bar(svg, proj.scale(), right - 90, top + 14);
  return {right - 110 - w, top, right, top + pad_top};
}

double draw_no_plan(svg_writer& svg, double top) {
  const double w = plot_page::width - 2 * plot_page::margin;
  svg.rect(plot_page::margin, top, w, 44, "panel");
  svg.text(plot_page::margin + 14, top + 27,
           "No plan in this model (compiled without the plan): the view from above is not drawn.",
           "note");
  return top + 44;
}

}  // namespace

double draw_plan_view(svg_writer& svg, const plot_input& in, double top) {
  const plan_track track(in.model.plan);
  if (!track.drawable() || in.length_m <= 0) return draw_no_plan(svg, top);
  const double outer = plot_page::width - 2 * plot_page::margin;
  const plan_projection proj(track.sample(0, in.length_m, 25), outer - 2 * pad_x, min_height,
                             max_height);
  const double height = pad_top + proj.height() + pad_bottom;
  svg.rect(plot_page::margin, top, outer, height, "panel");
  svg.text(plot_page::margin + 14, top + 24, "Plan of the line", "ptitle");
  svg.text(plot_page::margin + 178, top + 24,
           "seen from above, turned so that it runs from left to right", "note");
  const plan_canvas canvas(track, proj, plot_page::margin + pad_x, top + pad_top);
  draw_objects(svg, in, canvas);
  const label_box furniture = draw_furniture(svg, proj, top);
  draw_plan_labels(
      svg, in, canvas,
      {plot_page::margin + 4, top + 30, plot_page::margin + outer - 4, top + height - 4},
      {furniture});
  return top + height;
}

}  // namespace scn::plot
