// Encoding of the track plan as the plan file.
#pragma once

#include <string_view>

#include "formats/le_bytes.h"
#include "model/track_plan.h"
#include "platform/byte_pieces.h"

namespace scn {

// All first coordinates, then all second coordinates, each element as a
// 16-bit tag and its payload, handed to the sink in chunks.
void write_plan_file(const track_plan& plan, const piece_sink& sink);

// The same bytes in one buffer.
byte_buffer encode_plan_file(const track_plan& plan);

// Reads a plan file back; throws decode_error on an unknown tag, a
// truncated element, or two coordinate blocks of different lengths.
track_plan decode_plan_file(std::string_view bytes);

}  // namespace scn
