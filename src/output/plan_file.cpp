// The plan file: tagged elements, first coordinate block then second.
#include "output/plan_file.h"

#include "output/binary_layout.h"
#include "output/decode_error.h"

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

namespace scn {

namespace {

struct plan_element {
  plan_tag tag;
  double value;
};

std::vector<plan_element> decode_elements(std::string_view bytes) {
  std::vector<plan_element> out;
  std::size_t at = 0;
  while (at < bytes.size()) {
    if (bytes.size() - at < 2) throw decode_error(at, "truncated element tag");
    const std::uint16_t tag = get_u16(bytes, at);
    const std::size_t payload = tag == plan_tag_empty ? 0 : tag == plan_tag_integer ? 2 : 8;
    if (tag != plan_tag_empty && tag != plan_tag_integer && tag != plan_tag_real) {
      throw decode_error(at, "unknown element tag " + std::to_string(tag));
    }
    if (bytes.size() - at - 2 < payload) throw decode_error(at, "truncated element payload");
    if (tag == plan_tag_empty) out.push_back({plan_tag::empty, 0.0});
    if (tag == plan_tag_integer) out.push_back({plan_tag::integer, 1.0 * get_i16(bytes, at + 2)});
    if (tag == plan_tag_real) out.push_back({plan_tag::real, get_f64(bytes, at + 2)});
    at += 2 + payload;
  }
  return out;
}

}  // namespace

track_plan decode_plan_file(std::string_view bytes) {
  const auto elements = decode_elements(bytes);
  if (elements.empty() || elements.size() % 2 != 0) {
    throw decode_error(bytes.size(), "the two coordinate blocks differ in length (" +
                                         std::to_string(elements.size()) + " elements)");
  }
  const std::size_t points = elements.size() / 2;
  track_plan plan;
  plan.dimension(static_cast<std::int32_t>(points - 1));
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const int axis = i < points ? 0 : 1;
    const std::size_t point = i % points;
    const auto& e = elements[i];
    if (e.tag == plan_tag::integer)
      plan.set_integer(point, axis, static_cast<std::int16_t>(e.value));
    if (e.tag == plan_tag::real) plan.set_real(point, axis, e.value);
  }
  return plan;
}

}  // namespace scn
