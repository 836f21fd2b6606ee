// Storage of the plan of the line, and the walk that computes its points.
#include "model/track_plan.h"

#include <algorithm>
#include <bit>
#include <cmath>
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

std::size_t exact_straight_steps(double x2, double x1, std::size_t limit) {
  const double step = x1 - x2;
  if (step == 0.0) {
    // x1 - x1 is +0, and x1 + 0 is x1 again, except for -0, which becomes +0.
    return std::signbit(x1) && x1 == 0.0 ? 0 : limit;
  }
  // Read from the bits: a normal double is its 53-bit significand (the
  // hidden bit included) times 2 to the power of its biased exponent less
  // 1075, so x1 is `at` units of its range, the unit being 2^(exponent - 1075).
  constexpr std::uint64_t fraction_bits = (std::uint64_t{1} << 52) - 1;
  constexpr std::uint64_t hidden_bit = std::uint64_t{1} << 52;
  const auto bits = std::bit_cast<std::uint64_t>(x1);
  const auto step_bits = std::bit_cast<std::uint64_t>(step);
  const auto exponent = static_cast<int>((bits >> 52) & 0x7FF);
  const auto step_exponent = static_cast<int>((step_bits >> 52) & 0x7FF);
  // Zero, subnormal, infinite or not a number: point by point.
  if (exponent == 0 || exponent == 0x7FF || step_exponent == 0 || step_exponent == 0x7FF) return 0;
  // The step in units of x1's range: its significand shifted down by the
  // difference of the exponents, which must drop only zero bits. A step of
  // a higher exponent than x1 is at least the whole range.
  const int shift = exponent - step_exponent;
  if (shift < 0 || shift > 52) return 0;
  const std::uint64_t significand = (step_bits & fraction_bits) | hidden_bit;
  if ((significand & ((std::uint64_t{1} << shift) - 1)) != 0) return 0;
  const std::uint64_t stride = significand >> shift;
  constexpr std::uint64_t lowest = hidden_bit;
  constexpr std::uint64_t highest = (hidden_bit << 1) - 1;
  const std::uint64_t at = (bits & fraction_bits) | hidden_bit;
  const bool outward = std::signbit(step) == std::signbit(x1);
  const std::uint64_t room = outward ? highest - at : at - lowest;
  return static_cast<std::size_t>(std::min<std::uint64_t>(room / stride, limit));
}

bool plan_walker::straight_then_curve(std::size_t room) const {
  if (stretch_ + 1 >= stretches_.size()) return false;
  const plan_stretch& s = stretches_[stretch_];
  const plan_stretch& curve = stretches_[stretch_ + 1];
  if (s.turn != 0.0 || curve.turn == 0.0 || next_ != s.from) return false;
  const auto straight = static_cast<std::size_t>(s.to - s.from + 1);
  const auto turning = static_cast<std::size_t>(curve.to - curve.from + 1);
  if (straight + turning > room) return false;
  return exact_straight_steps(x2_, x1_, straight) == straight &&
         exact_straight_steps(y2_, y1_, straight) == straight;
}

plan_walker::plan_walker(const track_plan& plan) : stretches_(plan.stretches()) {}

std::size_t plan_walker::advance(double* xs, double* ys, std::size_t n) {
  std::size_t i = 0;
  return advance_with(n, [xs, ys, &i](double x, double y) {
    xs[i] = x;
    ys[i] = y;
    ++i;
  });
}

}  // namespace scn
