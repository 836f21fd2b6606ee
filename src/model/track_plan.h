// The plan of the line: two coordinates per metre, each a tagged value.
#pragma once

#include <algorithm>
#include <array>
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
  // additions, and the stores take no longer. An `emit` that can also place
  // a point ahead of the next one (emit.place(k, x, y): the point k places
  // further on) and then move on past several (emit.pass(count)) lets the
  // walk store a straight's points while it computes the curve after it.
  template <typename Emit>
  std::size_t advance_with(std::size_t n, Emit&& emit);

 private:
  // On a straight the walk adds the last step again, x1 + (x1 - x2), and
  // each addition waits for the one before. Where both coordinates stay
  // within their binary order of magnitude every one of those sums is
  // exact (exact_straight_steps), so the points are x1 + k * step, which
  // do not wait on each other. Emits `run` such points and moves the walk
  // past them.
  template <typename Emit>
  static void straight_run(double& x2, double& y2, double& x1, double& y1, std::size_t run,
                           Emit& emit);

  // A straight that is one exact run (see straight_run) followed by a
  // curve: the curve is a chain of dependent operations, 12 cycles a point,
  // with room beside it, and the straight's points depend on nothing but its
  // first two; so the walk computes the curve from the straight's last two
  // points (x1 + k * step again) and places a point of the straight beside
  // each point of the curve, the rest after. Both stretches whole.
  template <typename Emit>
  void straight_beside_curve(std::size_t straight, std::size_t curve, double turn, Emit& emit);

  // Whether the stretch at `stretch_`, not yet begun, is a straight taken
  // whole by straight_beside_curve with the curve after it within `room`.
  bool straight_then_curve(std::size_t room) const;

  const std::vector<plan_stretch>& stretches_;
  std::size_t stretch_ = 0;
  std::int64_t next_ = 2;
  double x2_ = 0, y2_ = 0, x1_ = 0, y1_ = 1;
};

// How many further points of a straight, from the walk's last two values
// of one coordinate, are x1 + k * (x1 - x2) exactly (k = 1, 2, ...; at most
// `limit`): as long as they stay within x1's binary order of magnitude (one
// sign, one exponent) and the step is a whole number of that range's
// units, every difference and sum the walk computes there is exact, and so
// is k * step. 0 where this cannot be shown (zero, a step that does not fit
// the units, a value at the range's edge), and the walk then goes point by
// point. A coordinate that does not change keeps its value for good.
std::size_t exact_straight_steps(double x2, double x1, std::size_t limit);

// One point of the walk from the two before it: on a straight the last step
// again, on a curve the last step turned by `c` radians. Every operation is
// rounded on its own (no fused multiply-add), in this order.
inline void straight_step(double& x2, double& y2, double& x1, double& y1) {
  const double dx = x1 - x2;
  const double dy = y1 - y2;
  x2 = x1;
  y2 = y1;
  x1 = x1 + dx;
  y1 = y1 + dy;
}
inline void curve_step(double& x2, double& y2, double& x1, double& y1, double c) {
  const double dx = x1 - x2;
  const double dy = y1 - y2;
  x2 = x1;
  y2 = y1;
  x1 = x1 + (dx + c * dy);
  y1 = y1 + (dy - c * dx);
}

// A straight taken as one exact run (exact_straight_steps) from the walk's
// last two points: point k past the last is x1 + k * step, each coordinate
// on its own, every product and sum exact. The one place that computes it.
struct exact_straight {
  double x1, y1, dx, dy;
  exact_straight(double before_x, double before_y, double last_x, double last_y)
      : x1(last_x), y1(last_y), dx(last_x - before_x), dy(last_y - before_y) {}
  double x_at(std::size_t k) const { return x1 + static_cast<double>(k) * dx; }
  double y_at(std::size_t k) const { return y1 + static_cast<double>(k) * dy; }
  // The walk's last two points once it has gone k points on (k >= 1).
  void last_two(std::size_t k, double& x2, double& y2, double& x, double& y) const {
    x2 = x_at(k - 1);
    y2 = y_at(k - 1);
    x = x_at(k);
    y = y_at(k);
  }
};

template <typename Emit>
void plan_walker::straight_run(double& x2, double& y2, double& x1, double& y1, std::size_t run,
                               Emit& emit) {
  const exact_straight line(x2, y2, x1, y1);
  for (std::size_t k = 1; k <= run; ++k) emit(line.x_at(k), line.y_at(k));
  line.last_two(run, x2, y2, x1, y1);
}

template <typename Emit>
void plan_walker::straight_beside_curve(std::size_t straight, std::size_t curve, double c,
                                        Emit& emit) {
  const exact_straight line(x2_, y2_, x1_, y1_);
  double x2 = 0, y2 = 0, x1 = 0, y1 = 0;
  line.last_two(straight, x2, y2, x1, y1);
  // Straight points placed so far, and how many beside each point of the
  // curve: as many as spread them over it, up to what the room beside the
  // chain holds.
  std::size_t k = 0;
  const std::size_t per = std::min<std::size_t>(3, (straight + curve - 1) / curve);
  for (std::size_t i = 0; i < curve; ++i) {
    curve_step(x2, y2, x1, y1, c);
    emit.place(straight + i, x1, y1);
    for (std::size_t j = 0; j < per && k < straight; ++j, ++k)
      emit.place(k, line.x_at(k + 1), line.y_at(k + 1));
  }
  for (; k < straight; ++k) emit.place(k, line.x_at(k + 1), line.y_at(k + 1));
  emit.pass(straight + curve);
  x2_ = x2, y2_ = y2, x1_ = x1, y1_ = y1;
}

template <typename Emit>
std::size_t plan_walker::advance_with(std::size_t n, Emit&& emit) {
  std::size_t done = 0;
  while (done < n && stretch_ < stretches_.size()) {
    if constexpr (requires(double v) {
                    emit.place(std::size_t{0}, v, v);
                    emit.pass(std::size_t{0});
                  }) {
      if (straight_then_curve(n - done)) {
        const plan_stretch& s = stretches_[stretch_];
        const plan_stretch& curve = stretches_[stretch_ + 1];
        const auto straight = static_cast<std::size_t>(s.to - s.from + 1);
        const auto turning = static_cast<std::size_t>(curve.to - curve.from + 1);
        straight_beside_curve(straight, turning, curve.turn, emit);
        done += straight + turning;
        next_ += static_cast<std::int64_t>(straight + turning);
        stretch_ += 2;
        continue;
      }
    }
    const plan_stretch& s = stretches_[stretch_];
    const auto left = static_cast<std::size_t>(s.to - next_ + 1);
    const std::size_t m = std::min(n - done, left);
    const double c = s.turn;
    double x2 = x2_, y2 = y2_, x1 = x1_, y1 = y1_;
    if (c == 0.0) {
      for (std::size_t i = 0; i < m;) {
        const std::size_t run =
            std::min(exact_straight_steps(x2, x1, m - i), exact_straight_steps(y2, y1, m - i));
        if (run >= 4) {
          straight_run(x2, y2, x1, y1, run, emit);
          i += run;
          continue;
        }
        // At the edge of a range: one point by the walk's own operations.
        straight_step(x2, y2, x1, y1);
        emit(x1, y1);
        ++i;
      }
    } else {
      for (std::size_t i = 0; i < m; ++i) {
        curve_step(x2, y2, x1, y1, c);
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
