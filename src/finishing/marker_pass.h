// The signal marker pass: after compilation, reduction marks of speed 180 are
// added before signals near slowdown warnings, ahead of each slowdown, along
// slow slowdowns and before the first signal after a slowdown's end.
#pragma once

#include <cstdint>

#include "catalogue/status_catalogue.h"
#include "compiler/compile_trace.h"
#include "model/scenario.h"

namespace scn {

// Speed value every mark of the pass carries.
inline constexpr std::int16_t marker_speed = 180;

// A slowdown slower than this gets a mark every 8 cells along its length.
inline constexpr std::int16_t slow_slowdown_speed = 110;

// Visits cells 1 to last_cell - 2 in increasing order. A mark that finds no
// free cell sets the status register and the pass goes on. Does nothing on a
// model without cells. An observer, when given, hears of every status the
// pass sets, not only the last one the register keeps.
void signal_marker_pass(scenario& s, compile_observer* observer = nullptr);

}  // namespace scn
