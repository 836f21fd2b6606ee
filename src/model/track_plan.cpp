// Storage of the plan of the line.
#include "model/track_plan.h"

namespace scn {

void track_plan::dimension(std::int32_t plan_length) {
  const auto n = static_cast<std::size_t>(plan_length) + 1;
  for (int axis = 0; axis < 2; ++axis) {
    tags_[axis].assign(n, static_cast<std::uint8_t>(plan_tag::empty));
    values_[axis].assign(n, 0.0);
  }
}

void track_plan::clear() {
  for (int axis = 0; axis < 2; ++axis) {
    tags_[axis] = {};
    values_[axis] = {};
  }
}

void track_plan::set_integer(std::size_t point, int axis, std::int16_t v) {
  tags_[axis][point] = static_cast<std::uint8_t>(plan_tag::integer);
  values_[axis][point] = v;
}

void track_plan::set_real(std::size_t point, int axis, double v) {
  tags_[axis][point] = static_cast<std::uint8_t>(plan_tag::real);
  values_[axis][point] = v;
}

}  // namespace scn
