// Placement routines of the line description: ordering of the kilometric
// references, backdrop spans, speed-indicator posts.
#pragma once

#include <cstdint>

#include "catalogue/status_catalogue.h"
#include "model/scenario.h"

namespace scn {

// Reorders the three kilometric references in rows 81 to 83 (read from
// "tre", "due", "uno") and adds 100 to the second value of each whose third
// value is 1. Throws input_failure when that sum leaves 32 bits.
void progressive_ordina(scenario& s);

// Stores a backdrop span and lays it into the cells round(inizio / 50) to
// round(fine / 50 - 1). A tipo above 10 loses 10 and puts a backdrop mark on
// every fourth cell of the span that is empty; a span beginning 150 m or less
// after the previous one ends gets tipo 3. Cells outside the model are
// skipped but still counted. Throws input_failure for an 81st span. The
// caller's tipo changes with it.
void memo_montagna(scenario& s, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo);

// Places a speed-indicator post at `posizione`: the cell gets kind
// speed_boards and the three speed pairs and the stripe pair packed into its
// four values. A taken cell (or one outside the model) sets status 21 and
// changes nothing; a packed value outside 16 bits throws input_failure,
// also without changing anything.
void memo_indicatori_v_max(scenario& s, std::int32_t posizione, std::int32_t vas, std::int32_t vbs,
                           std::int32_t vcs, std::int16_t strisces, std::int32_t vad,
                           std::int32_t vbd, std::int32_t vcd, std::int16_t strisced);

}  // namespace scn
