// Encoding of track_cells as the cell file.
#pragma once

#include <vector>

#include "model/track_cell.h"
#include "output/le_bytes.h"

namespace scn {

byte_buffer encode_cell_file(const std::vector<track_cell>& cells);
void encode_cell(byte_buffer& out, const track_cell& c);

}  // namespace scn
