// The plan file: tagged elements, first coordinate block then second.
#include "formats/plan_file.h"

#include <bit>

#include "formats/binary_layout.h"
#include "formats/chunk_writer.h"
#include "formats/decode_error.h"

namespace scn {

namespace {

// The longest element: a tag and a double.
constexpr std::size_t max_element_size = 10;

char* store_element(char* at, plan_tag tag, double value) {
  switch (tag) {
    case plan_tag::empty:
      return store_le<2>(at, plan_tag_empty);
    case plan_tag::integer:
      at = store_le<2>(at, plan_tag_integer);
      return store_le<2>(at, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    case plan_tag::real:
      at = store_le<2>(at, plan_tag_real);
      return store_le<8>(at, std::bit_cast<std::uint64_t>(value));
  }
  return at;
}

// One axis block. The loop keeps its place in locals and asks the chunk
// writer for room only when the chunk is full.
void write_axis(const track_plan& plan, int axis, chunk_writer& out) {
  const std::uint8_t* const tags = plan.tags(axis);
  const double* const values = plan.values(axis);
  const std::size_t n = plan.points();
  std::size_t i = 0;
  while (i < n) {
    char* at = out.room(max_element_size);
    const char* const last_start = out.limit() - max_element_size;
    for (; i < n && at <= last_start; ++i)
      at = store_element(at, static_cast<plan_tag>(tags[i]), values[i]);
    out.commit(at);
  }
}

}  // namespace

void write_plan_file(const track_plan& plan, const piece_sink& sink) {
  chunk_writer out(sink);
  for (int axis = 0; axis < 2; ++axis) write_axis(plan, axis, out);
  out.flush();
}

byte_buffer encode_plan_file(const track_plan& plan) {
  return gather_pieces([&plan](const piece_sink& sink) { write_plan_file(plan, sink); });
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
