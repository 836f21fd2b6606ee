// Encoding of the track plan as the plan file.
#pragma once

#include "model/track_plan.h"
#include "output/le_bytes.h"

namespace scn {

// All first coordinates, then all second coordinates, each element as a
// 16-bit tag and its payload.
byte_buffer encode_plan_file(const track_plan& plan);

}  // namespace scn
