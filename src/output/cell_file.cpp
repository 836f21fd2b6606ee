// The cell file: every cell as 15 bytes, fields in declaration order.
#include "output/cell_file.h"

#include "output/binary_layout.h"
#include "output/decode_error.h"

namespace scn {

void encode_cell(byte_buffer& out, const track_cell& c) {
  put_u8(out, c.kind);
  put_i16(out, c.value1);
  put_i16(out, c.value2);
  put_i16(out, c.value3);
  put_i16(out, c.value4);
  put_u8(out, c.timer);
  put_u8(out, c.approach);
  put_u8(out, c.backdrop);
  put_u8(out, c.speed_limit);
  put_u8(out, c.gradient);
  put_u8(out, c.adhesion);
}

byte_buffer encode_cell_file(const std::vector<track_cell>& cells) {
  byte_buffer out;
  out.reserve(cells.size() * cell_record_size);
  for (const auto& c : cells) encode_cell(out, c);
  return out;
}

}  // namespace scn

namespace scn {

std::vector<track_cell> decode_cell_file(std::string_view bytes) {
  if (bytes.size() % cell_record_size != 0) {
    const std::size_t whole = bytes.size() - bytes.size() % cell_record_size;
    throw decode_error(whole, "truncated cell record (" +
                                  std::to_string(bytes.size() % cell_record_size) +
                                  " of 15 bytes)");
  }
  std::vector<track_cell> cells(bytes.size() / cell_record_size);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const std::size_t at = i * cell_record_size;
    auto& c = cells[i];
    c.kind = get_u8(bytes, at);
    c.value1 = get_i16(bytes, at + 1);
    c.value2 = get_i16(bytes, at + 3);
    c.value3 = get_i16(bytes, at + 5);
    c.value4 = get_i16(bytes, at + 7);
    c.timer = get_u8(bytes, at + 9);
    c.approach = get_u8(bytes, at + 10);
    c.backdrop = get_u8(bytes, at + 11);
    c.speed_limit = get_u8(bytes, at + 12);
    c.gradient = get_u8(bytes, at + 13);
    c.adhesion = get_u8(bytes, at + 14);
  }
  return cells;
}

}  // namespace scn
