// The plan file: tagged elements, first coordinate block then second.
#include "output/plan_file.h"

#include "output/binary_layout.h"

namespace scn {

namespace {

std::size_t encoded_size(const track_plan& plan) {
  std::size_t size = 0;
  for (int axis = 0; axis < 2; ++axis) {
    for (std::size_t i = 0; i < plan.points(); ++i) {
      switch (plan.tag(i, axis)) {
        case plan_tag::empty:
          size += 2;
          break;
        case plan_tag::integer:
          size += 4;
          break;
        case plan_tag::real:
          size += 10;
          break;
      }
    }
  }
  return size;
}

}  // namespace

byte_buffer encode_plan_file(const track_plan& plan) {
  byte_buffer out;
  out.reserve(encoded_size(plan));
  for (int axis = 0; axis < 2; ++axis) {
    for (std::size_t i = 0; i < plan.points(); ++i) {
      switch (plan.tag(i, axis)) {
        case plan_tag::empty:
          put_u16(out, plan_tag_empty);
          break;
        case plan_tag::integer:
          put_u16(out, plan_tag_integer);
          put_i16(out, static_cast<std::int16_t>(plan.value(i, axis)));
          break;
        case plan_tag::real:
          put_u16(out, plan_tag_real);
          put_f64(out, plan.value(i, axis));
          break;
      }
    }
  }
  return out;
}

}  // namespace scn
