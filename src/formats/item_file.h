// Encoding of the item table as the item file.
#pragma once

#include <string_view>

#include "formats/le_bytes.h"
#include "model/item_record.h"

namespace scn {

byte_buffer encode_item_file(const item_table& items);
void encode_item_row(byte_buffer& out, const item_record& row);

// Reads an item file back; throws decode_error on a truncated row, a row
// count other than 87, or bytes after the last row.
item_table decode_item_file(std::string_view bytes);

}  // namespace scn
