// Turning and scaling the plan onto the page.
#include "plot/plan_projection.h"

#include <algorithm>
#include <cmath>

namespace scn::plot {

plan_projection::plan_projection(const std::vector<plan_point>& points, double width,
                                 double min_height, double max_height) {
  if (points.size() >= 2) {
    const double dx = points.back().x - points.front().x;
    const double dy = points.back().y - points.front().y;
    if (std::hypot(dx, dy) > 1) turn_ = -std::atan2(dy, dx);
  }
  cos_ = std::cos(turn_);
  sin_ = std::sin(turn_);
  double u0 = 0, u1 = 0, v0 = 0, v1 = 0;
  for (std::size_t k = 0; k < points.size(); ++k) {
    const double u = points[k].x * cos_ - points[k].y * sin_;
    const double v = points[k].x * sin_ + points[k].y * cos_;
    u0 = k ? std::min(u0, u) : u, u1 = k ? std::max(u1, u) : u;
    v0 = k ? std::min(v0, v) : v, v1 = k ? std::max(v1, v) : v;
  }
  const double bw = std::max(u1 - u0, 1.0), bh = std::max(v1 - v0, 1.0);
  scale_ = std::min(width / bw, max_height / bh);
  height_ = std::clamp(bh * scale_, min_height, max_height);
  u0_ = u0;
  v1_ = v1;
  pad_x_ = (width - bw * scale_) / 2;
  pad_y_ = (height_ - bh * scale_) / 2;
}

page_point plan_projection::project(const plan_point& p) const {
  const double u = p.x * cos_ - p.y * sin_;
  const double v = p.x * sin_ + p.y * cos_;
  return {pad_x_ + (u - u0_) * scale_, pad_y_ + (v1_ - v) * scale_};
}

page_point plan_projection::direction(double dx, double dy) const {
  const double u = dx * cos_ - dy * sin_;
  const double v = dx * sin_ + dy * cos_;
  const double n = std::hypot(u, v);
  if (n == 0) return {1, 0};
  return {u / n, -v / n};
}

}  // namespace scn::plot
