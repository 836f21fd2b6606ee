// Greedy label placement for the plan view.
#include "plot/label_placer.h"

#include <algorithm>
#include <cmath>

namespace scn::plot {

namespace {

// Cells per side of the grid; a label is some tens of units wide on a page
// of about a thousand.
constexpr std::size_t grid_side = 64;

// The cell of coordinate v on an axis of `count` cells from `origin`; a
// coordinate off the grid (or not a number) goes to the nearer edge cell.
std::size_t cell_index(double v, double origin, double size, std::size_t count) {
  const double k = std::floor((v - origin) / size);
  if (!(k > 0)) return 0;
  if (k >= static_cast<double>(count - 1)) return count - 1;
  return static_cast<std::size_t>(k);
}

}  // namespace

label_box box_around(double cx, double cy, double w, double h) {
  return {cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2};
}

label_placer::label_placer(label_box bounds) : bounds_(bounds) {
  const double w = bounds.x1 - bounds.x0, h = bounds.y1 - bounds.y0;
  if (std::isfinite(w) && std::isfinite(h) && w > 0 && h > 0) {
    columns_ = rows_ = grid_side;
    cell_w_ = w / static_cast<double>(columns_);
    cell_h_ = h / static_cast<double>(rows_);
  }
  obstacle_grid_.resize(columns_ * rows_);
  label_grid_.resize(columns_ * rows_);
}

label_placer::cell_range label_placer::cells_of(const label_box& b) const {
  cell_range r{cell_index(b.x0, bounds_.x0, cell_w_, columns_),
               cell_index(b.y0, bounds_.y0, cell_h_, rows_),
               cell_index(b.x1, bounds_.x0, cell_w_, columns_),
               cell_index(b.y1, bounds_.y0, cell_h_, rows_)};
  // A box with a coordinate that is not a number is looked for everywhere.
  if (r.c1 < r.c0 || std::isnan(b.x0) || std::isnan(b.x1)) r.c0 = 0, r.c1 = columns_ - 1;
  if (r.r1 < r.r0 || std::isnan(b.y0) || std::isnan(b.y1)) r.r0 = 0, r.r1 = rows_ - 1;
  return r;
}

void label_placer::insert(std::vector<std::vector<std::uint32_t>>& grid, const label_box& b,
                          std::uint32_t index) {
  const cell_range r = cells_of(b);
  for (std::size_t row = r.r0; row <= r.r1; ++row)
    for (std::size_t col = r.c0; col <= r.c1; ++col) grid[row * columns_ + col].push_back(index);
}

void label_placer::gather(const std::vector<std::vector<std::uint32_t>>& grid,
                          const label_box& b) const {
  near_.clear();
  const cell_range r = cells_of(b);
  for (std::size_t row = r.r0; row <= r.r1; ++row) {
    for (std::size_t col = r.c0; col <= r.c1; ++col) {
      const auto& in_cell = grid[row * columns_ + col];
      near_.insert(near_.end(), in_cell.begin(), in_cell.end());
    }
  }
  std::sort(near_.begin(), near_.end());
  near_.erase(std::unique(near_.begin(), near_.end()), near_.end());
}

void label_placer::add_obstacle(const label_box& b, double weight) {
  insert(obstacle_grid_, b, static_cast<std::uint32_t>(obstacles_.size()));
  obstacles_.push_back({b, weight});
}

// The same sum as testing every label and obstacle in order: what lies in
// no cell the box reaches cannot overlap it.
double label_placer::cost(const label_box& b) const {
  double c = 0;
  gather(label_grid_, b);
  for (const auto i : near_) c += labels_[i].overlaps(b) ? 1000 : 0;
  if (b.x0 < bounds_.x0 || b.y0 < bounds_.y0 || b.x1 > bounds_.x1 || b.y1 > bounds_.y1) c += 500;
  gather(obstacle_grid_, b);
  for (const auto i : near_) c += obstacles_[i].box.overlaps(b) ? obstacles_[i].weight : 0;
  return c;
}

std::size_t label_placer::place(const std::vector<label_box>& candidates) {
  std::size_t best = 0;
  double best_cost = cost(candidates.front());
  for (std::size_t k = 1; k < candidates.size() && best_cost > 0; ++k) {
    const double c = cost(candidates[k]);
    if (c < best_cost) best = k, best_cost = c;
  }
  insert(label_grid_, candidates[best], static_cast<std::uint32_t>(labels_.size()));
  labels_.push_back(candidates[best]);
  return best;
}

}  // namespace scn::plot
