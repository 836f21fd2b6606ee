// Storage of the plan of the line.
#include "model/track_plan.h"

namespace scn {

void track_plan::dimension(std::int32_t plan_length) {
  points_ = static_cast<std::size_t>(plan_length) + 1;
  tags_.assign(2 * points_, static_cast<std::uint8_t>(plan_tag::empty));
  for (auto& axis : values_) axis.assign(points_, 0.0);
}

void track_plan::clear() {
  points_ = 0;
  tags_ = {};
  for (auto& axis : values_) axis = {};
}

void track_plan::set_integer(std::size_t point, int axis, std::int16_t v) {
  tags(axis)[point] = static_cast<std::uint8_t>(plan_tag::integer);
  values_[axis][point] = v;
}

void track_plan::set_real(std::size_t point, int axis, double v) {
  tags(axis)[point] = static_cast<std::uint8_t>(plan_tag::real);
  values_[axis][point] = v;
}

}  // namespace scn
