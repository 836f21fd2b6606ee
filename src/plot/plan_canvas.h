// The plan drawn on the page: positions along the line to page pixels, and
// polylines of stretches of the line.
#pragma once

#include <string>

#include "plot/plan_projection.h"
#include "plot/route_plan.h"
#include "plot/svg_writer.h"

namespace scn::plot {

class plan_canvas {
 public:
  plan_canvas(const plan_track& track, const plan_projection& projection, double left, double top)
      : track_(track), projection_(projection), left_(left), top_(top) {}

  // Page point of a position along the line, in metres.
  page_point at(double metre) const;
  // Unit page direction of the line at a position.
  page_point heading(double metre) const;
  // The `points` attribute of a polyline through the stretch.
  std::string polyline_points(double from, double to) const;
  // Draws the stretch as a polyline of class `cls`.
  void stretch(svg_writer& svg, double from, double to, std::string_view cls) const;

  const plan_projection& projection() const { return projection_; }

 private:
  const plan_track& track_;
  const plan_projection& projection_;
  double left_ = 0, top_ = 0;
};

}  // namespace scn::plot
