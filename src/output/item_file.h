// Encoding of the item table as the item file.
#pragma once

#include "model/item_record.h"
#include "output/le_bytes.h"

namespace scn {

byte_buffer encode_item_file(const item_table& items);
void encode_item_row(byte_buffer& out, const item_record& row);

}  // namespace scn
