// Greedy placement of map labels: each label takes, among its candidate
// boxes, the one that covers the fewest labels and obstacles already there.
#pragma once

#include <cstddef>
#include <vector>

namespace scn::plot {

struct label_box {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;

  bool overlaps(const label_box& o) const {
    return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1;
  }
};

// A w by h box centred on (cx, cy).
label_box box_around(double cx, double cy, double w, double h);

class label_placer {
 public:
  // Labels must stay inside `bounds`.
  explicit label_placer(label_box bounds) : bounds_(bounds) {}

  // Something a label should not cover, such as the drawn line; `weight` is
  // what covering it costs.
  void add_obstacle(const label_box& b, double weight = 1) { obstacles_.push_back({b, weight}); }

  // Index of the best candidate (the first among equals), which is then
  // taken; candidates must not be empty.
  std::size_t place(const std::vector<label_box>& candidates);

  // Cost of a box: labels weigh most, then leaving the bounds, then obstacles.
  double cost(const label_box& b) const;

 private:
  label_box bounds_;
  struct obstacle {
    label_box box;
    double weight;
  };
  std::vector<obstacle> obstacles_;
  std::vector<label_box> labels_;
};

}  // namespace scn::plot
