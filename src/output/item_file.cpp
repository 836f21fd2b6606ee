// The item file: 87 rows, each field by field, text as length + bytes.
#include "output/item_file.h"

#include "output/binary_layout.h"

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
