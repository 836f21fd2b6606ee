// The plan of the line as drawable geometry: the usable points of the model's
// plan, looked up by position and sampled into polylines.
#pragma once

#include <cstddef>
#include <vector>

#include "model/track_plan.h"

namespace scn::plot {

struct plan_point {
  double x = 0;  // first plan coordinate, metres
  double y = 0;  // second plan coordinate, metres
};

class plan_track {
 public:
  // Uses the leading points of `plan` whose two coordinates are both set.
  explicit plan_track(const track_plan& plan);

  // Number of usable points (metres 0 .. size() - 1); below 2 there is no line.
  std::size_t size() const { return size_; }
  bool drawable() const { return size_ >= 2; }

  // The point at a metre, clamped to the usable points.
  plan_point at(double metre) const;

  // Points from `from` to `to` metres every `step` metres, both ends included.
  std::vector<plan_point> sample(double from, double to, double step) const;

  // Heading change per metre from metre a to metre b, right-hand turns positive
  // (the first axis lies to the right of the second); 0 when b <= a.
  double turn_per_metre(std::size_t a, std::size_t b) const;

 private:
  double heading(std::size_t metre) const;

  const track_plan& plan_;
  std::size_t size_ = 0;
};

}  // namespace scn::plot
