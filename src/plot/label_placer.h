// Greedy placement of map labels: each label takes, among its candidate
// boxes, the one that covers the fewest labels and obstacles already there.
#pragma once

#include <cstddef>
#include <cstdint>
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
  explicit label_placer(label_box bounds);

  // Something a label should not cover, such as the drawn line; `weight` is
  // what covering it costs.
  void add_obstacle(const label_box& b, double weight = 1);

  // Index of the best candidate (the first among equals), which is then
  // taken; candidates must not be empty.
  std::size_t place(const std::vector<label_box>& candidates);

  // Cost of a box: labels weigh most, then leaving the bounds, then obstacles
  // (their weights added in the order they were added).
  double cost(const label_box& b) const;

 private:
  // A grid over the bounds: each cell lists the labels and the obstacles
  // that reach into it (a box beyond the bounds goes to the edge cells), so
  // a box is tested only against what lies near it.
  struct cell_range {
    std::size_t c0 = 0, r0 = 0, c1 = 0, r1 = 0;
  };
  cell_range cells_of(const label_box& b) const;
  void insert(std::vector<std::vector<std::uint32_t>>& grid, const label_box& b,
              std::uint32_t index);
  // Indices near `b` from one grid, each once and in ascending order.
  void gather(const std::vector<std::vector<std::uint32_t>>& grid, const label_box& b) const;

  label_box bounds_;
  struct obstacle {
    label_box box;
    double weight;
  };
  std::vector<obstacle> obstacles_;
  std::vector<label_box> labels_;
  std::size_t columns_ = 1, rows_ = 1;
  double cell_w_ = 1, cell_h_ = 1;
  std::vector<std::vector<std::uint32_t>> obstacle_grid_;
  std::vector<std::vector<std::uint32_t>> label_grid_;
  mutable std::vector<std::uint32_t> near_;
};

}  // namespace scn::plot
