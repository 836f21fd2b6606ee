// One fuzz case for a decoder of the binary files: arbitrary bytes read as
// a cell, item or plan file, both by the decoder that reads a whole file
// and by the row-at-a-time decoding of dump, with the invariants they must
// keep whatever the bytes.
#pragma once

#include <string>
#include <string_view>

#include "tool/dump/dump_rows.h"

namespace scn::fuzz {

// Returns the first invariant the bytes break, or an empty string:
// - neither decoder throws anything but decode_error, and both refuse the
//   same inputs;
// - a file either decoder accepts encodes back to exactly its bytes;
// - the rows handed out are one per cell, item row or plan point.
std::string check_decoding(tool::binary_kind kind, std::string_view bytes);

}  // namespace scn::fuzz
