// Encoding of the track plan as the plan file.
#pragma once

#include <cstdint>
#include <string_view>

#include "formats/le_bytes.h"
#include "model/track_plan.h"
#include "platform/byte_pieces.h"

namespace scn {

// All first coordinates, then all second coordinates, each element as a
// 16-bit tag and its payload, handed to the sink in chunks.
void write_plan_file(const track_plan& plan, const piece_sink& sink);

// The same bytes, the two coordinate blocks written side by side at their
// offsets: a walked plan is walked once, each block streamed through its own
// chunk. The sequential form above walks a walked plan once per block.
void write_plan_file_placed(const track_plan& plan, const placed_sink& sink);

// Size of the plan file in bytes.
std::uint64_t plan_file_size(const track_plan& plan);

// The same bytes in one buffer.
byte_buffer encode_plan_file(const track_plan& plan);

// Reads a plan file back; throws decode_error on an unknown tag, a
// truncated element, or two coordinate blocks of different lengths.
track_plan decode_plan_file(std::string_view bytes);

// The same from the file's pieces, which are asked for twice (the elements
// are counted first, so that the plan is sized once): a reader that hands
// out a file a chunk at a time never holds it whole.
track_plan decode_plan_pieces(const byte_pieces& pieces);

}  // namespace scn
