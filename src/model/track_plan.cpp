// Storage of the plan of the line, and the walk that computes its points.
#include "model/track_plan.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace scn {

void track_plan::dimension(std::int32_t plan_length) {
  clear();
  points_ = static_cast<std::size_t>(plan_length) + 1;
}

void track_plan::clear() {
  points_ = 0;
  explicit_ = false;
  started_ = false;
  reached_ = 1;
  stretches_ = {};
  filled_ = false;
  tags_ = {};
  for (auto& axis : values_) axis = {};
}

plan_tag track_plan::walked_tag(std::size_t point) const {
  if (point < 2) return started_ ? plan_tag::integer : plan_tag::empty;
  return static_cast<std::int64_t>(point) <= reached_ ? plan_tag::real : plan_tag::empty;
}

void track_plan::set_integer(std::size_t point, int axis, std::int16_t v) {
  fill_arrays();
  explicit_ = true;
  tags_[static_cast<std::size_t>(axis) * points_ + point] =
      static_cast<std::uint8_t>(plan_tag::integer);
  values_[axis][point] = v;
}

void track_plan::set_real(std::size_t point, int axis, double v) {
  fill_arrays();
  explicit_ = true;
  tags_[static_cast<std::size_t>(axis) * points_ + point] =
      static_cast<std::uint8_t>(plan_tag::real);
  values_[axis][point] = v;
}

void track_plan::start_walk() {
  started_ = true;
  filled_ = false;
}

void track_plan::add_stretch(const plan_stretch& s) {
  if (s.to < s.from) return;
  // The walker computes each point from the two before it: a stretch that
  // leaves a gap or goes back would give points of another walk.
  if (s.from != reached_ + 1 || static_cast<std::size_t>(s.to) >= points_) {
    throw std::invalid_argument("plan stretch " + std::to_string(s.from) + ".." +
                                std::to_string(s.to) + " does not continue the walk");
  }
  stretches_.push_back(s);
  reached_ = s.to;
  filled_ = false;
}

const std::uint8_t* track_plan::tags(int axis) const {
  fill_arrays();
  return tags_.data() + static_cast<std::size_t>(axis) * points_;
}

const double* track_plan::values(int axis) const {
  fill_arrays();
  return values_[axis].data();
}

// The arrays of a walked plan: tags from the walk's extent, values computed
// by the walk; an explicit plan has its arrays already.
void track_plan::fill_arrays() const {
  if (filled_) return;
  tags_.assign(2 * points_, static_cast<std::uint8_t>(plan_tag::empty));
  for (auto& axis : values_) axis.assign(points_, 0.0);
  for (int axis = 0; axis < 2; ++axis) {
    for (std::size_t k = 0; k < points_ && k <= static_cast<std::size_t>(reached_); ++k)
      tags_[static_cast<std::size_t>(axis) * points_ + k] =
          static_cast<std::uint8_t>(walked_tag(k));
  }
  if (started_ && points_ > 1) values_[1][1] = 1.0;
  plan_walker walk(*this);
  constexpr std::size_t block = 4096;
  for (;;) {
    const auto at = static_cast<std::size_t>(walk.next());
    const std::size_t n = std::min(block, points_ - std::min(points_, at));
    if (n == 0 || walk.advance(values_[0].data() + at, values_[1].data() + at, n) == 0) break;
  }
  filled_ = true;
}

plan_walker::plan_walker(const track_plan& plan) : stretches_(plan.stretches()) {}

std::size_t plan_walker::advance(double* xs, double* ys, std::size_t n) {
  std::size_t done = 0;
  while (done < n && stretch_ < stretches_.size()) {
    const plan_stretch& s = stretches_[stretch_];
    const auto left = static_cast<std::size_t>(s.to - next_ + 1);
    const std::size_t m = std::min(n - done, left);
    const double c = s.turn;
    double x2 = x2_, y2 = y2_, x1 = x1_, y1 = y1_;
    if (c == 0.0) {
      for (std::size_t i = 0; i < m; ++i) {
        const double dx = x1 - x2;
        const double dy = y1 - y2;
        x2 = x1;
        y2 = y1;
        x1 = x1 + dx;
        y1 = y1 + dy;
        xs[done + i] = x1;
        ys[done + i] = y1;
      }
    } else {
      for (std::size_t i = 0; i < m; ++i) {
        const double dx = x1 - x2;
        const double dy = y1 - y2;
        x2 = x1;
        y2 = y1;
        x1 = x1 + (dx + c * dy);
        y1 = y1 + (dy - c * dx);
        xs[done + i] = x1;
        ys[done + i] = y1;
      }
    }
    x2_ = x2, y2_ = y2, x1_ = x1, y1_ = y1;
    done += m;
    next_ += static_cast<std::int64_t>(m);
    if (m == left) ++stretch_;
  }
  return done;
}

}  // namespace scn
