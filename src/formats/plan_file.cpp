// The plan file: tagged elements, first coordinate block then second.
#include "formats/plan_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

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

// One axis block of an explicit plan. The loop keeps its place in locals
// and asks the chunk writer for room only when the chunk is full.
void write_explicit_axis(const track_plan& plan, int axis, chunk_writer& out) {
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

// How the points of each axis of a walked plan fall: points 0 and 1 (the
// head), the points the walk computed, then empties to the end.
struct walked_extent {
  std::size_t head = 0;
  std::size_t reals = 0;
  std::size_t empties = 0;
};

walked_extent extent_of(const track_plan& plan) {
  walked_extent e;
  e.head = std::min<std::size_t>(2, plan.points());
  if (plan.last_reached() >= 2) e.reals = static_cast<std::size_t>(plan.last_reached()) - 1;
  e.empties = plan.points() - e.head - e.reals;
  return e;
}

void write_head(const track_plan& plan, int axis, chunk_writer& out) {
  char* at = out.room(2 * max_element_size);
  for (std::size_t k = 0; k < plan.points() && k < 2; ++k) {
    at = store_element(at, plan.tag(k, axis), axis == 1 ? static_cast<double>(k) : 0.0);
  }
  out.commit(at);
}

void write_empties(std::size_t n, chunk_writer& out) {
  std::size_t i = 0;
  while (i < n) {
    char* at = out.room(2);
    const std::size_t m = std::min(n - i, static_cast<std::size_t>(out.limit() - at) / 2);
    std::memset(at, 0, 2 * m);
    i += m;
    out.commit(at + 2 * m);
  }
}

char* store_real(char* at, double value) {
  at = store_le<2>(at, plan_tag_real);
  return store_le<8>(at, std::bit_cast<std::uint64_t>(value));
}

// Stores the points the walk hands it as their elements, straight into the
// chunks of the blocks it writes (X, Y: which of the two), in order or
// placed ahead (every element of the walk is a real of the same size).
template <bool X, bool Y>
struct element_store {
  char* x;
  char* y;
  void operator()(double px, double py) {
    if constexpr (X) x = store_real(x, px);
    if constexpr (Y) y = store_real(y, py);
  }
  void place(std::size_t k, double px, double py) {
    if constexpr (X) store_real(x + k * max_element_size, px);
    if constexpr (Y) store_real(y + k * max_element_size, py);
  }
  void pass(std::size_t count) {
    if constexpr (X) x += count * max_element_size;
    if constexpr (Y) y += count * max_element_size;
  }
};

// Walks the plan into the blocks that `axes` asks for, each point stored as
// its element straight into its chunk, as many points at a time as both
// chunks have room for.
template <bool X, bool Y>
void write_walked_reals(const track_plan& plan, std::array<chunk_writer*, 2> axes) {
  plan_walker walker(plan);
  for (;;) {
    std::array<char*, 2> at{};
    std::size_t fit = static_cast<std::size_t>(-1);
    for (int axis = 0; axis < 2; ++axis) {
      if (axes[axis] == nullptr) continue;
      at[axis] = axes[axis]->room(max_element_size);
      fit = std::min(fit,
                     static_cast<std::size_t>(axes[axis]->limit() - at[axis]) / max_element_size);
    }
    element_store<X, Y> store{at[0], at[1]};
    const std::size_t n = walker.advance_with(fit, store);
    if constexpr (X) axes[0]->commit(store.x);
    if constexpr (Y) axes[1]->commit(store.y);
    if (n == 0) return;
  }
}

// The blocks of a walked plan: `axes` tells which of the two coordinate
// blocks to write and where (null: not this one). Walks the plan once.
void write_walked(const track_plan& plan, std::array<chunk_writer*, 2> axes) {
  const walked_extent e = extent_of(plan);
  for (int axis = 0; axis < 2; ++axis)
    if (axes[axis] != nullptr) write_head(plan, axis, *axes[axis]);
  if (axes[0] != nullptr && axes[1] != nullptr) {
    write_walked_reals<true, true>(plan, axes);
  } else if (axes[0] != nullptr) {
    write_walked_reals<true, false>(plan, axes);
  } else if (axes[1] != nullptr) {
    write_walked_reals<false, true>(plan, axes);
  }
  for (int axis = 0; axis < 2; ++axis)
    if (axes[axis] != nullptr) write_empties(e.empties, *axes[axis]);
}

std::uint64_t axis_size(const track_plan& plan, int axis) {
  if (plan.walked()) {
    const walked_extent e = extent_of(plan);
    const std::uint64_t head = plan.walk_started() ? 4 : 2;
    return head * e.head + 10 * std::uint64_t{e.reals} + 2 * std::uint64_t{e.empties};
  }
  std::uint64_t n = 0;
  const std::uint8_t* const tags = plan.tags(axis);
  for (std::size_t i = 0; i < plan.points(); ++i) {
    const auto t = static_cast<plan_tag>(tags[i]);
    n += t == plan_tag::real ? 10 : t == plan_tag::integer ? 4 : 2;
  }
  return n;
}

}  // namespace

void write_plan_file(const track_plan& plan, const piece_sink& sink) {
  chunk_writer out(sink);
  for (int axis = 0; axis < 2; ++axis) {
    if (plan.walked()) {
      write_walked(plan, {axis == 0 ? &out : nullptr, axis == 1 ? &out : nullptr});
    } else {
      write_explicit_axis(plan, axis, out);
    }
  }
  out.flush();
}

void write_plan_file_placed(const track_plan& plan, const placed_sink& sink) {
  std::uint64_t x_at = 0;
  const piece_sink x_sink = [&](std::string_view piece) {
    sink(x_at, piece);
    x_at += piece.size();
  };
  if (!plan.walked()) {
    write_plan_file(plan, x_sink);
    return;
  }
  std::uint64_t y_at = axis_size(plan, 0);
  const piece_sink y_sink = [&](std::string_view piece) {
    sink(y_at, piece);
    y_at += piece.size();
  };
  chunk_writer x_out(x_sink);
  chunk_writer y_out(y_sink, y_at);
  write_walked(plan, {&x_out, &y_out});
  x_out.flush();
  y_out.flush();
}

std::uint64_t plan_file_size(const track_plan& plan) {
  return axis_size(plan, 0) + axis_size(plan, 1);
}

byte_buffer encode_plan_file(const track_plan& plan) {
  return gather_pieces([&plan](const piece_sink& sink) { write_plan_file(plan, sink); });
}

}  // namespace scn

namespace scn {

namespace {

std::size_t payload_size(std::uint16_t tag) {
  return tag == plan_tag_empty ? 0 : tag == plan_tag_integer ? 2 : 8;
}

// Reads the elements of a plan file from its pieces in order; an element
// may straddle two pieces. Calls on_element(index, tag, value) for each.
class element_reader {
 public:
  template <typename OnElement>
  void feed(std::string_view piece, OnElement&& on_element) {
    while (!piece.empty()) {
      if (!carry_.empty() || piece.size() < max_element_size) {
        // Complete the element begun in an earlier piece a byte at a time.
        carry_.push_back(piece.front());
        piece.remove_prefix(1);
        if (const std::size_t n = element_size(carry_, 0); n != 0 && carry_.size() == n) {
          emit(carry_, 0, on_element);
          carry_.clear();
        }
        continue;
      }
      std::size_t at = 0;
      while (piece.size() - at >= max_element_size) at += emit(piece, at, on_element);
      piece.remove_prefix(at);
    }
  }

  // The end of the file: throws when it cuts an element short.
  void finish() const {
    if (carry_.empty()) return;
    throw decode_error(offset_,
                       carry_.size() < 2 ? "truncated element tag" : "truncated element payload");
  }

  std::size_t elements() const { return elements_; }
  std::size_t offset() const { return offset_ + carry_.size(); }

 private:
  // Size of the element at `at` once its tag is there, 0 before.
  std::size_t element_size(std::string_view in, std::size_t at) const {
    if (in.size() - at < 2) return 0;
    const std::uint16_t tag = get_u16(in, at);
    if (tag != plan_tag_empty && tag != plan_tag_integer && tag != plan_tag_real) {
      throw decode_error(offset_, "unknown element tag " + std::to_string(tag));
    }
    return 2 + payload_size(tag);
  }

  template <typename OnElement>
  std::size_t emit(std::string_view in, std::size_t at, OnElement& on_element) {
    const std::size_t n = element_size(in, at);
    const std::uint16_t tag = get_u16(in, at);
    if (tag == plan_tag_integer)
      on_element(elements_, plan_tag::integer, 1.0 * get_i16(in, at + 2));
    if (tag == plan_tag_real) on_element(elements_, plan_tag::real, get_f64(in, at + 2));
    ++elements_;
    offset_ += n;
    return n;
  }

  std::string carry_;
  std::size_t offset_ = 0;
  std::size_t elements_ = 0;
};

}  // namespace

track_plan decode_plan_pieces(const byte_pieces& pieces) {
  element_reader count;
  pieces([&count](std::string_view piece) { count.feed(piece, [](auto...) {}); });
  count.finish();
  const std::size_t elements = count.elements();
  if (elements == 0 || elements % 2 != 0) {
    throw decode_error(count.offset(), "the two coordinate blocks differ in length (" +
                                           std::to_string(elements) + " elements)");
  }
  const std::size_t points = elements / 2;
  track_plan plan;
  plan.dimension(static_cast<std::int32_t>(points - 1));
  element_reader read;
  const auto set = [&plan, points](std::size_t i, plan_tag tag, double value) {
    const int axis = i < points ? 0 : 1;
    const std::size_t point = i < points ? i : i - points;
    if (tag == plan_tag::integer) plan.set_integer(point, axis, static_cast<std::int16_t>(value));
    if (tag == plan_tag::real) plan.set_real(point, axis, value);
  };
  pieces([&](std::string_view piece) { read.feed(piece, set); });
  return plan;
}

track_plan decode_plan_file(std::string_view bytes) {
  return decode_plan_pieces([bytes](const piece_sink& sink) { sink(bytes); });
}

}  // namespace scn
