// The plan of the line: two coordinates per metre, each a tagged value.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "model/large_array_allocator.h"

namespace scn {

// Tags as the plan file records them.
enum class plan_tag : std::uint8_t { empty = 0, integer = 2, real = 5 };

// One stretch of the walk that builds the plan: points `from` to `to`, each
// from the two before it, turning by `turn` radians per metre (0: straight).
struct plan_stretch {
  std::int64_t from = 0;
  std::int64_t to = 0;
  double turn = 0;
};

// Points 0..plan_length, axes 0 and 1, in one of two forms.
//
// Walked: what the compiler builds. The plan holds only the stretches of its
// walk: points 0 and 1 are the integers (0, 0) and (0, 1) once the walk has
// started, the points the stretches reach are reals, the rest are empty.
// Nothing grows with the line but the list of stretches; the points are
// computed again (plan_walker) wherever they are needed, with the same
// arithmetic, so they come out the same every time.
//
// Explicit: arrays of one tag byte and one double per element, for a plan
// read back from a file or set point by point. The first set_integer or
// set_real turns a walked plan explicit (its points are computed into the
// arrays first); value() on a walked plan fills the arrays on first use.
class track_plan {
 public:
  void dimension(std::int32_t plan_length);
  void clear();
  bool exists() const { return points_ != 0; }
  // Number of points, plan_length + 1.
  std::size_t points() const { return points_; }

  plan_tag tag(std::size_t point, int axis) const {
    if (explicit_)
      return static_cast<plan_tag>(tags_[static_cast<std::size_t>(axis) * points_ + point]);
    return walked_tag(point);
  }
  double value(std::size_t point, int axis) const {
    if (!filled_) fill_arrays();
    return values_[static_cast<std::size_t>(axis)][point];
  }
  void set_integer(std::size_t point, int axis, std::int16_t v);
  void set_real(std::size_t point, int axis, double v);

  // The walk. start_walk sets points 0 and 1 (where the plan has them);
  // add_stretch appends the next stretch, which must start right after the
  // last point reached and end inside the plan (std::invalid_argument
  // otherwise; an empty stretch is ignored). Both keep the plan walked.
  void start_walk();
  void add_stretch(const plan_stretch& s);
  // Room for `n` stretches (at most one per point), so that the list does
  // not move while the walk grows it.
  void reserve_stretches(std::size_t n) { stretches_.reserve(std::min(n, points_)); }

  bool walked() const { return !explicit_; }
  bool walk_started() const { return started_; }
  // The last point a stretch reached; 1 before the first stretch.
  std::int64_t last_reached() const { return reached_; }
  const std::vector<plan_stretch>& stretches() const { return stretches_; }

  // The arrays of an explicit plan (filled from the walk first if needed),
  // points() elements each, for the loops that encode the whole plan.
  const std::uint8_t* tags(int axis) const;
  const double* values(int axis) const;

 private:
  plan_tag walked_tag(std::size_t point) const;
  void fill_arrays() const;

  std::size_t points_ = 0;
  bool explicit_ = false;
  bool started_ = false;
  std::int64_t reached_ = 1;
  std::vector<plan_stretch> stretches_;
  // The arrays: the tags of both axes share one array (axis 0 first), the
  // values have one array per axis. Empty until needed.
  mutable bool filled_ = false;
  mutable std::vector<std::uint8_t, large_array_allocator<std::uint8_t>> tags_;
  mutable std::array<std::vector<double, large_array_allocator<double>>, 2> values_;
};

// Computes the points of a walked plan in order, a block at a time, with
// the arithmetic of the walk: every operation rounded on its own (the build
// forbids fused multiply-adds) and in the same order, so the values are the
// ones the walk defines, bit for bit.
class plan_walker {
 public:
  explicit plan_walker(const track_plan& plan);

  // The next point to be computed.
  std::int64_t next() const { return next_; }
  // Computes up to `n` further points into xs and ys (points next() on);
  // returns how many, 0 once the last point reached has been computed.
  std::size_t advance(double* xs, double* ys, std::size_t n);

  // The same, handing each point to emit(x, y) as it is computed, so that a
  // caller can store it in its final form: the walk waits on its own
  // additions, and the stores take no longer.
  template <typename Emit>
  std::size_t advance_with(std::size_t n, Emit&& emit);

 private:
  // On a straight the walk adds the last step again, x1 + (x1 - x2), and
  // each addition waits for the one before. Within a binary order of
  // magnitude the step stays the same and every sum is exact, so the next
  // points are nearly always x1 + k * step, which do not wait on each other.
  // take_four_straight guesses the next four points so and takes them only
  // when each is what the walk's own two operations give from the two
  // points before it: from the two known points on, by induction, points
  // that pass are the walk's, bit for bit. Where a guess fails (the step
  // changes as a sum crosses a power of two) nothing is taken, and the walk
  // computes those points one by one.
  template <typename Emit>
  static bool take_four_straight(double& x2, double& y2, double& x1, double& y1, Emit& emit);

  const std::vector<plan_stretch>& stretches_;
  std::size_t stretch_ = 0;
  std::int64_t next_ = 2;
  double x2_ = 0, y2_ = 0, x1_ = 0, y1_ = 1;
};

// The bits in which two doubles differ: none only when they are the same
// bit for bit (0 and -0 differ).
inline std::uint64_t bits_apart(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) ^ std::bit_cast<std::uint64_t>(b);
}

template <typename Emit>
bool plan_walker::take_four_straight(double& x2, double& y2, double& x1, double& y1, Emit& emit) {
  const double dx = x1 - x2;
  const double dy = y1 - y2;
  // The first point is the walk's own step; the other three are guesses.
  const double ax = x1 + dx, ay = y1 + dy;
  const double bx = x1 + 2.0 * dx, by = y1 + 2.0 * dy;
  const double cx = x1 + 3.0 * dx, cy = y1 + 3.0 * dy;
  const double ex = x1 + 4.0 * dx, ey = y1 + 4.0 * dy;
  // All six checks at once, without a branch between them.
  const std::uint64_t apart = bits_apart(ax + (ax - x1), bx) | bits_apart(ay + (ay - y1), by) |
                              bits_apart(bx + (bx - ax), cx) | bits_apart(by + (by - ay), cy) |
                              bits_apart(cx + (cx - bx), ex) | bits_apart(cy + (cy - by), ey);
  if (apart != 0) return false;
  emit(ax, ay);
  emit(bx, by);
  emit(cx, cy);
  emit(ex, ey);
  x2 = cx, x1 = ex, y2 = cy, y1 = ey;
  return true;
}

template <typename Emit>
std::size_t plan_walker::advance_with(std::size_t n, Emit&& emit) {
  std::size_t done = 0;
  while (done < n && stretch_ < stretches_.size()) {
    const plan_stretch& s = stretches_[stretch_];
    const auto left = static_cast<std::size_t>(s.to - next_ + 1);
    const std::size_t m = std::min(n - done, left);
    const double c = s.turn;
    double x2 = x2_, y2 = y2_, x1 = x1_, y1 = y1_;
    if (c == 0.0) {
      for (std::size_t i = 0; i < m;) {
        if (m - i >= 4 && take_four_straight(x2, y2, x1, y1, emit)) {
          i += 4;
          continue;
        }
        for (const std::size_t k = std::min<std::size_t>(i + 4, m); i < k; ++i) {
          const double dx = x1 - x2;
          const double dy = y1 - y2;
          x2 = x1;
          y2 = y1;
          x1 = x1 + dx;
          y1 = y1 + dy;
          emit(x1, y1);
        }
      }
    } else {
      for (std::size_t i = 0; i < m; ++i) {
        const double dx = x1 - x2;
        const double dy = y1 - y2;
        x2 = x1;
        y2 = y1;
        x1 = x1 + (dx + c * dy);
        y1 = y1 + (dy - c * dx);
        emit(x1, y1);
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
