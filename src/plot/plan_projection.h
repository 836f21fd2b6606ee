// Projection of plan coordinates onto the page: turned so that the line runs
// from left to right, at one scale on both axes, centred in a box.
#pragma once

#include <vector>

#include "plot/route_plan.h"

namespace scn::plot {

struct page_point {
  double x = 0;
  double y = 0;
};

class plan_projection {
 public:
  // Fits `points` (the line from its start to its end) into a box `width`
  // wide and at most `max_height` tall, keeping at least `min_height`.
  plan_projection(const std::vector<plan_point>& points, double width, double min_height,
                  double max_height);

  // Height the drawing takes, between min_height and max_height.
  double height() const { return height_; }
  // Page pixels per metre.
  double scale() const { return scale_; }
  // The angle, in radians, by which the plan is turned anticlockwise.
  double turn() const { return turn_; }

  // Position on the page relative to the box's top-left corner.
  page_point project(const plan_point& p) const;
  // A direction in the plan (dx, dy) as a unit page direction.
  page_point direction(double dx, double dy) const;

 private:
  double turn_ = 0;
  double cos_ = 1, sin_ = 0;
  double scale_ = 1;
  double height_ = 0;
  double u0_ = 0, v1_ = 0;        // turned bounding box: smallest u, largest v
  double pad_x_ = 0, pad_y_ = 0;  // centring offsets
};

}  // namespace scn::plot
