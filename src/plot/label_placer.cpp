// Greedy label placement for the plan view.
#include "plot/label_placer.h"

namespace scn::plot {

label_box box_around(double cx, double cy, double w, double h) {
  return {cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2};
}

double label_placer::cost(const label_box& b) const {
  double c = 0;
  for (const auto& l : labels_) c += l.overlaps(b) ? 1000 : 0;
  if (b.x0 < bounds_.x0 || b.y0 < bounds_.y0 || b.x1 > bounds_.x1 || b.y1 > bounds_.y1) c += 500;
  for (const auto& o : obstacles_) c += o.box.overlaps(b) ? o.weight : 0;
  return c;
}

std::size_t label_placer::place(const std::vector<label_box>& candidates) {
  std::size_t best = 0;
  double best_cost = cost(candidates.front());
  for (std::size_t k = 1; k < candidates.size() && best_cost > 0; ++k) {
    const double c = cost(candidates[k]);
    if (c < best_cost) best = k, best_cost = c;
  }
  labels_.push_back(candidates[best]);
  return best;
}

}  // namespace scn::plot
