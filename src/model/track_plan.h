// The plan of the line: two coordinates per metre, each a tagged value.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/large_array_allocator.h"

namespace scn {

// Tags as the plan file records them.
enum class plan_tag : std::uint8_t { empty = 0, integer = 2, real = 5 };

// Points 0..plan_length, axes 0 and 1. Held as compact arrays (one tag byte
// and one double per element); an integer element keeps its 16-bit value in
// the double, which represents it exactly. The tags of both axes share one
// array (axis 0 first), the values have one array per axis; on a long line
// these arrays take megabytes and come from the large-page allocator.
class track_plan {
 public:
  void dimension(std::int32_t plan_length);
  void clear();
  bool exists() const { return points_ != 0; }
  // Number of points, plan_length + 1.
  std::size_t points() const { return points_; }

  plan_tag tag(std::size_t point, int axis) const {
    return static_cast<plan_tag>(tags(axis)[point]);
  }
  double value(std::size_t point, int axis) const { return values_[axis][point]; }
  void set_integer(std::size_t point, int axis, std::int16_t v);
  void set_real(std::size_t point, int axis, double v);

  // The arrays of one axis, points() elements each, for the loops that walk
  // or encode the whole plan.
  const std::uint8_t* tags(int axis) const { return tags_.data() + axis * points_; }
  const double* values(int axis) const { return values_[axis].data(); }
  std::uint8_t* tags(int axis) { return tags_.data() + axis * points_; }
  double* values(int axis) { return values_[axis].data(); }

 private:
  std::size_t points_ = 0;
  std::vector<std::uint8_t, large_array_allocator<std::uint8_t>> tags_;
  std::array<std::vector<double, large_array_allocator<double>>, 2> values_;
};

}  // namespace scn
