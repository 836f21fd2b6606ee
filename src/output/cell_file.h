// Encoding of track_cells as the cell file.
#pragma once

#include <string_view>
#include <vector>

#include "model/track_cell.h"
#include "output/le_bytes.h"

namespace scn {

byte_buffer encode_cell_file(const std::vector<track_cell>& cells);
void encode_cell(byte_buffer& out, const track_cell& c);

// Reads a cell file back; throws decode_error when its size is not a whole
// number of records.
std::vector<track_cell> decode_cell_file(std::string_view bytes);

}  // namespace scn
