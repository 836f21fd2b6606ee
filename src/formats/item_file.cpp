// The item file: 87 rows, each field by field, text as length + bytes.
#include "formats/item_file.h"

#include "formats/binary_layout.h"
#include "formats/decode_error.h"

namespace scn {

void encode_item_row(byte_buffer& out, const item_record& row) {
  put_u8(out, row.kind);
  put_i32(out, row.start);
  put_i32(out, row.end);
  put_i32(out, row.position);
  put_u8(out, row.flag_a);
  // The length field has 16 bits; the compiler refuses longer texts, and the
  // encoder never lets a length and its bytes disagree.
  const std::size_t n = row.text.size() < max_item_text ? row.text.size() : max_item_text;
  put_u16(out, static_cast<std::uint16_t>(n));
  out.append(row.text, 0, n);
  put_i16(out, row.word_a);
  put_i16(out, row.word_b);
  put_i16(out, row.word_c);
  put_i16(out, row.word_d);
  put_i16(out, row.word_e);
  put_u8(out, row.flag_b);
  put_u8(out, row.flag_c);
  put_u8(out, row.flag_d);
  put_u8(out, row.flag_e);
  put_i32(out, row.number);
}

byte_buffer encode_item_file(const item_table& items) {
  byte_buffer out;
  std::size_t size = 0;
  for (const auto& row : items) size += item_row_fixed_size + row.text.size();
  out.reserve(size);
  for (const auto& row : items) encode_item_row(out, row);
  return out;
}

}  // namespace scn

namespace scn {

namespace {

void need(std::string_view bytes, std::size_t at, std::size_t n, int row, const char* field) {
  if (bytes.size() < at + n) {
    throw decode_error(bytes.size(),
                       "file ends inside row " + std::to_string(row) + " (" + field + ")");
  }
}

std::size_t decode_row(std::string_view bytes, std::size_t at, int row, item_record& r) {
  need(bytes, at, 16, row, "fixed fields before the text");
  r.kind = get_u8(bytes, at);
  r.start = get_i32(bytes, at + 1);
  r.end = get_i32(bytes, at + 5);
  r.position = get_i32(bytes, at + 9);
  r.flag_a = get_u8(bytes, at + 13);
  const std::size_t n = get_u16(bytes, at + 14);
  need(bytes, at + 16, n + 18, row, "text and fields after it");
  r.text = std::string(bytes.substr(at + 16, n));
  const std::size_t t = at + 16 + n;
  r.word_a = get_i16(bytes, t);
  r.word_b = get_i16(bytes, t + 2);
  r.word_c = get_i16(bytes, t + 4);
  r.word_d = get_i16(bytes, t + 6);
  r.word_e = get_i16(bytes, t + 8);
  r.flag_b = get_u8(bytes, t + 10);
  r.flag_c = get_u8(bytes, t + 11);
  r.flag_d = get_u8(bytes, t + 12);
  r.flag_e = get_u8(bytes, t + 13);
  r.number = get_i32(bytes, t + 14);
  return t + 18;
}

}  // namespace

item_table decode_item_file(std::string_view bytes) {
  item_table items{};
  std::size_t at = 0;
  for (int row = 0; row < item_rows; ++row) at = decode_row(bytes, at, row, items[row]);
  if (at != bytes.size()) {
    throw decode_error(at, std::to_string(bytes.size() - at) + " bytes after the last row");
  }
  return items;
}

}  // namespace scn
