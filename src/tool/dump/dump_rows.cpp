// Decoding cells, item rows and plan points row by row.
#include "tool/dump/dump_rows.h"

#include <charconv>
#include <cstring>

#include "formats/binary_limits.h"
#include "formats/cell_file.h"
#include "formats/decode_error.h"
#include "formats/item_file.h"
#include "formats/le_bytes.h"
#include "model/cell_kind.h"
#include "model/item_record.h"
#include "tool/text/json_text.h"

namespace scn::tool {

namespace {

// Fields are reused from row to row: each keeps its capacity, so that
// filling a row allocates nothing.
void set_num(dump_field& f, long long v) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  f.text.assign(buf, r.ptr);
  f.kind = dump_field::type::number;
}

void set_real(dump_field& f, double v) {
  char buf[shortest_number_size];
  f.text.assign(buf, write_shortest_number(buf, v));
  f.kind = dump_field::type::number;
}

void set_str(dump_field& f, std::string_view s) {
  f.text.assign(s.data(), s.size());
  f.kind = dump_field::type::string;
}

bool ends_with(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// Reads a cursor through a buffer, counting the bytes taken.
class byte_reader {
 public:
  explicit byte_reader(std::unique_ptr<byte_cursor> cursor) : cursor_(std::move(cursor)) {}

  // Copies up to `n` bytes; fewer only at the end of the file.
  std::size_t take(char* to, std::size_t n) {
    std::size_t got = 0;
    while (got < n) {
      if (at_ == filled_) {
        filled_ = cursor_->read(buffer_, sizeof buffer_);
        at_ = 0;
        if (filled_ == 0) break;
      }
      const std::size_t step = std::min(n - got, filled_ - at_);
      std::memcpy(to + got, buffer_ + at_, step);
      at_ += step;
      got += step;
    }
    offset_ += got;
    return got;
  }
  // The next `n` bytes (at most the size of `scratch`): in place when the
  // buffer holds them all, else copied to `scratch`. `got` is less than `n`
  // only at the end of the file.
  const char* take_view(std::size_t n, char* scratch, std::size_t& got) {
    if (filled_ - at_ >= n) {
      const char* in_place = buffer_ + at_;
      at_ += n;
      offset_ += n;
      got = n;
      return in_place;
    }
    got = take(scratch, n);
    return scratch;
  }
  std::uint64_t offset() const { return offset_; }
  const byte_cursor& cursor() const { return *cursor_; }

 private:
  std::unique_ptr<byte_cursor> cursor_;
  char buffer_[65536];
  std::size_t at_ = 0;
  std::size_t filled_ = 0;
  std::uint64_t offset_ = 0;
};

class memory_cursor final : public byte_cursor {
 public:
  explicit memory_cursor(std::string_view bytes) : rest_(bytes), size_(bytes.size()) {}
  std::size_t read(char* to, std::size_t n) override {
    const std::size_t step = std::min(n, rest_.size());
    std::memcpy(to, rest_.data(), step);
    rest_.remove_prefix(step);
    return step;
  }
  std::optional<std::uint64_t> size() const override { return size_; }

 private:
  std::string_view rest_;
  std::uint64_t size_;
};

void cell_rows(const cursor_opener& open, const row_sink& sink) {
  byte_reader in(open());
  if (const auto size = in.cursor().size(); size && *size % cell_record_size != 0) {
    throw decode_error(
        *size - *size % cell_record_size,
        "truncated cell record (" + std::to_string(*size % cell_record_size) + " of 15 bytes)");
  }
  // Records are decoded a batch at a time, which keeps the decoder's
  // allocation off every row.
  constexpr std::size_t batch = 4096;
  std::string records(batch * cell_record_size, '\0');
  dump_row row(14);
  long long i = 0;
  for (;;) {
    const std::uint64_t at = in.offset();
    const std::size_t n = in.take(records.data(), records.size());
    if (n % cell_record_size != 0) {
      throw decode_error(
          at + n - n % cell_record_size,
          "truncated cell record (" + std::to_string(n % cell_record_size) + " of 15 bytes)");
    }
    for (const track_cell& c : decode_cell_file(std::string_view(records.data(), n))) {
      set_num(row[0], i);
      set_num(row[1], (i - 1) * 50);
      set_num(row[2], c.kind);
      set_str(row[3], cell_kind_name(c.kind));
      const long long values[] = {c.value1,         c.value2,   c.value3,   c.value4,
                                  c.timer,          c.approach, c.backdrop, c.speed_limit * 5,
                                  c.gradient - 100, c.adhesion};
      for (std::size_t k = 0; k < std::size(values); ++k) set_num(row[4 + k], values[k]);
      sink(row);
      ++i;
    }
    if (n < records.size()) return;
  }
}

void item_rows_of(const cursor_opener& open, const row_sink& sink) {
  // The whole file, which its format bounds, decoded at once.
  byte_reader in(open());
  std::string bytes;
  char chunk[4096];
  while (bytes.size() <= max_item_file_bytes) {
    const std::size_t n = in.take(chunk, sizeof chunk);
    if (n == 0) break;
    bytes.append(chunk, n);
  }
  if (bytes.size() > max_item_file_bytes) {
    throw decode_error(max_item_file_bytes, "more bytes than any item file has");
  }
  const auto items = decode_item_file(bytes);
  dump_row row(18);
  for (int r = 0; r < item_rows; ++r) {
    const auto& i = items[static_cast<std::size_t>(r)];
    item_record text_only;
    text_only.text = i.text;
    set_num(row[0], r);
    set_str(row[1], item_role(r, i == item_record{}, i == text_only));
    const long long head[] = {i.kind, i.start, i.end, i.position, i.flag_a};
    for (std::size_t k = 0; k < std::size(head); ++k) set_num(row[2 + k], head[k]);
    set_str(row[7], cp1252_to_utf8(i.text));
    const long long tail[] = {i.word_a, i.word_b, i.word_c, i.word_d, i.word_e,
                              i.flag_b, i.flag_c, i.flag_d, i.flag_e, i.number};
    for (std::size_t k = 0; k < std::size(tail); ++k) set_num(row[8 + k], tail[k]);
    sink(row);
  }
}

struct plan_element {
  std::uint16_t tag = plan_tag_empty;
  double value = 0;
};

// The next element, or false at the end of the file.
bool next_element(byte_reader& in, plan_element& e) {
  const std::uint64_t at = in.offset();
  char scratch[8];
  std::size_t got = 0;
  const char* tag = in.take_view(2, scratch, got);
  if (got == 0) return false;
  if (got < 2) throw decode_error(at, "truncated element tag");
  e.tag = get_u16(std::string_view(tag, 2), 0);
  if (e.tag != plan_tag_empty && e.tag != plan_tag_integer && e.tag != plan_tag_real) {
    throw decode_error(at, "unknown element tag " + std::to_string(e.tag));
  }
  const std::size_t size = e.tag == plan_tag_empty ? 0 : e.tag == plan_tag_integer ? 2 : 8;
  const char* payload = in.take_view(size, scratch, got);
  if (got != size) throw decode_error(at, "truncated element payload");
  const std::string_view bytes(payload, size);
  e.value = e.tag == plan_tag_integer ? 1.0 * get_i16(bytes, 0)
            : e.tag == plan_tag_real  ? get_f64(bytes, 0)
                                      : 0.0;
  return true;
}

void set_element(dump_field& tag, dump_field& value, const plan_element& e) {
  set_str(tag, e.tag == plan_tag_empty     ? "empty"
               : e.tag == plan_tag_integer ? "integer"
                                           : "double");
  if (e.tag == plan_tag_empty) {
    value.text.clear();
    value.kind = dump_field::type::null;
  } else {
    set_real(value, e.value);
  }
}

// The plan file holds every point's first coordinate, then every point's
// second: one pass counts and checks the elements, then two readers walk
// the two blocks side by side.
void plan_rows(const cursor_opener& open, const row_sink& sink) {
  std::uint64_t elements = 0;
  {
    byte_reader in(open());
    plan_element e;
    while (next_element(in, e)) ++elements;
    if (elements == 0 || elements % 2 != 0) {
      throw decode_error(in.offset(), "the two coordinate blocks differ in length (" +
                                          std::to_string(elements) + " elements)");
    }
  }
  const std::uint64_t points = elements / 2;
  byte_reader first(open());
  byte_reader second(open());
  plan_element x, y;
  for (std::uint64_t i = 0; i < points; ++i) next_element(second, y);
  dump_row row(5);
  for (std::uint64_t i = 0; i < points; ++i) {
    if (!next_element(first, x) || !next_element(second, y)) {
      throw decode_error(second.offset(), "the file changed while it was read");
    }
    set_num(row[0], static_cast<long long>(i));
    set_element(row[1], row[2], x);
    set_element(row[3], row[4], y);
    sink(row);
  }
}

}  // namespace

binary_kind kind_of_file(std::string_view name) {
  if (ends_with(name, "_linea.dat")) return binary_kind::plan;
  if (ends_with(name, ".sim")) return binary_kind::items;
  return binary_kind::cells;
}

const char* kind_noun(binary_kind kind) {
  return kind == binary_kind::plan ? "plan" : kind == binary_kind::items ? "item" : "cell";
}

std::uint64_t largest_file(binary_kind kind) {
  return kind == binary_kind::plan    ? max_plan_file_bytes
         : kind == binary_kind::items ? max_item_file_bytes
                                      : max_cell_file_bytes;
}

const char* item_role(int row, bool row_is_empty, bool only_text) {
  if (row >= km_reference_tre_row && row <= km_reference_uno_row) return "reference";
  if (row == run_row) return "run";
  if (row == line_row) return "line";
  if (row == train_row) return "train";
  if (row == 0 || row_is_empty) return "unused";
  return only_text ? "board text" : "station";
}

cursor_opener memory_bytes(std::string_view bytes) {
  return [bytes] { return std::make_unique<memory_cursor>(bytes); };
}

dump_layout layout_of(binary_kind kind) {
  switch (kind) {
    case binary_kind::cells:
      return {"cells",
              {"cell", "position_m", "kind", "kind_name", "value1", "value2", "value3", "value4",
               "timer", "approach", "backdrop", "speed_kmh", "gradient_permille", "adhesion"}};
    case binary_kind::items:
      return {
          "items",
          {"row", "role", "kind", "start", "end", "position", "flag_a", "text", "word_a", "word_b",
           "word_c", "word_d", "word_e", "flag_b", "flag_c", "flag_d", "flag_e", "number"}};
    case binary_kind::plan:
      break;
  }
  return {"plan", {"point", "x_tag", "x", "y_tag", "y"}};
}

void decode_rows(binary_kind kind, const cursor_opener& open, const row_sink& sink) {
  switch (kind) {
    case binary_kind::cells:
      return cell_rows(open, sink);
    case binary_kind::items:
      return item_rows_of(open, sink);
    case binary_kind::plan:
      return plan_rows(open, sink);
  }
}

}  // namespace scn::tool
