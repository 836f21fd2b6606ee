// Station names and kilometre marks on the plan.
#include "plot/plan_labels.h"

#include <algorithm>
#include <cmath>

#include "plot/chart_axes.h"
#include "plot/profile_marks.h"
#include "plot/svg_text.h"

namespace scn::plot {
namespace {

constexpr double station_font = 11.5;
constexpr double km_font = 9.5;

// Candidate boxes around a point: beside the line first, then diagonally,
// then straight up, down, left and right, each nearer before farther.
std::vector<label_box> candidates(page_point p, page_point along, double w, double h) {
  const page_point n{-along.y, along.x};
  const double r = std::sqrt(0.5);
  const page_point dirs[] = {n,
                             {-n.x, -n.y},
                             {(n.x + along.x) * r, (n.y + along.y) * r},
                             {(n.x - along.x) * r, (n.y - along.y) * r},
                             {(-n.x + along.x) * r, (-n.y + along.y) * r},
                             {(-n.x - along.x) * r, (-n.y - along.y) * r},
                             {0, -1},
                             {0, 1},
                             {1, 0},
                             {-1, 0}};
  std::vector<label_box> out;
  for (const double gap : {7.0, 18.0, 32.0, 52.0, 78.0}) {
    for (const page_point& d : dirs) {
      const double reach = gap + std::abs(d.x) * w / 2 + std::abs(d.y) * h / 2;
      out.push_back(box_around(p.x + d.x * reach, p.y + d.y * reach, w, h));
    }
  }
  return out;
}

// Puts a label in the best free place, with a leader line when it stands off.
void place_label(svg_writer& svg, label_placer& placer, page_point p, page_point along,
                 const std::string& escaped, double width, double font, std::string_view cls) {
  const auto boxes = candidates(p, along, width, font * 1.25);
  const label_box& b = boxes[placer.place(boxes)];
  const double nx = std::clamp(p.x, b.x0, b.x1), ny = std::clamp(p.y, b.y0, b.y1);
  if (std::hypot(nx - p.x, ny - p.y) > 12) svg.line(p.x, p.y, nx, ny, "leader");
  svg.text((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2 + font * 0.36, escaped, cls);
}

void block_line(label_placer& placer, const plot_input& in, const plan_canvas& canvas) {
  const double step = std::max(4.0 / std::max(canvas.projection().scale(), 1e-9), 5.0);
  for (double m = 0; m <= in.length_m; m += step) {
    const page_point p = canvas.at(m);
    placer.add_obstacle(box_around(p.x, p.y, 5, 5));
  }
  for (const auto& st : in.objects.stations) {
    const page_point p = canvas.at(st.position);
    placer.add_obstacle(box_around(p.x, p.y, 10, 10));
  }
}

void draw_km_marks(svg_writer& svg, label_placer& placer, const plot_input& in,
                   const plan_canvas& canvas) {
  const double step = km_label_step(in.length_m) * 2000.0;
  for (const double m : ticks(step, in.length_m - step / 4, step)) {
    const page_point p = canvas.at(m), d = canvas.heading(m);
    svg.line(p.x - d.y * 5, p.y + d.x * 5, p.x + d.y * 5, p.y - d.x * 5, "kmtick");
    const std::string text = num(m / 1000.0) + " km";
    place_label(svg, placer, p, d, text, static_cast<double>(text.size()) * km_font * 0.6 + 2,
                km_font, "kml mid");
  }
}

}  // namespace

void draw_plan_labels(svg_writer& svg, const plot_input& in, const plan_canvas& canvas,
                      const label_box& bounds, const std::vector<label_box>& reserved) {
  label_placer placer(bounds);
  for (const auto& b : reserved) placer.add_obstacle(b, 400);
  block_line(placer, in, canvas);
  for (const auto& st : in.objects.stations) {
    const page_point p = canvas.at(st.position);
    const double width = static_cast<double>(utf8_length(st.name)) * station_font * 0.66 + 4;
    svg.open_tip(xml_escape(st.name + ", " + km_text(st.position)));
    svg.circle(p.x, p.y, st.stops ? 4.5 : 3.2, st.stops ? "stn" : "stn pass");
    place_label(svg, placer, p, canvas.heading(st.position), xml_escape(st.name), width,
                station_font, st.stops ? "pname mid" : "pname pass mid");
    svg.close("g");
  }
  draw_km_marks(svg, placer, in, canvas);
}

}  // namespace scn::plot
