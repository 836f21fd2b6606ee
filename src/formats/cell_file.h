// Encoding of track_cells as the cell file.
#pragma once

#include <string_view>
#include <vector>

#include "formats/le_bytes.h"
#include "model/track_cell.h"
#include "platform/byte_pieces.h"

namespace scn {

// Every cell as its 15-byte record, handed to the sink in chunks.
void write_cell_file(const std::vector<track_cell>& cells, const piece_sink& sink);

// The same bytes in one buffer.
byte_buffer encode_cell_file(const std::vector<track_cell>& cells);

// Reads a cell file back; throws decode_error when its size is not a whole
// number of records.
std::vector<track_cell> decode_cell_file(std::string_view bytes);

}  // namespace scn
