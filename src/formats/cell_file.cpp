// The cell file: every cell as 15 bytes, fields in declaration order.
#include "formats/cell_file.h"

#include "formats/binary_layout.h"
#include "formats/chunk_writer.h"
#include "formats/decode_error.h"

namespace scn {

namespace {

char* store_cell(char* at, const track_cell& c) {
  at = store_le<1>(at, c.kind);
  at = store_le<2>(at, static_cast<std::uint16_t>(c.value1));
  at = store_le<2>(at, static_cast<std::uint16_t>(c.value2));
  at = store_le<2>(at, static_cast<std::uint16_t>(c.value3));
  at = store_le<2>(at, static_cast<std::uint16_t>(c.value4));
  at = store_le<1>(at, c.timer);
  at = store_le<1>(at, c.approach);
  at = store_le<1>(at, c.backdrop);
  at = store_le<1>(at, c.speed_limit);
  at = store_le<1>(at, c.gradient);
  return store_le<1>(at, c.adhesion);
}

}  // namespace

void write_cell_file(const std::vector<track_cell>& cells, const piece_sink& sink) {
  chunk_writer out(sink);
  for (const auto& c : cells) out.commit(store_cell(out.room(cell_record_size), c));
  out.flush();
}

byte_buffer encode_cell_file(const std::vector<track_cell>& cells) {
  return gather_pieces([&cells](const piece_sink& sink) { write_cell_file(cells, sink); });
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
