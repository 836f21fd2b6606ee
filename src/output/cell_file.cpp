// The cell file: every cell as 15 bytes, fields in declaration order.
#include "output/cell_file.h"

#include "output/binary_layout.h"

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
