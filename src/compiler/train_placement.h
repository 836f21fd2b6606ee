// Placement of the train description's trackside objects into the track
// cells: one signal with its approach codes, one temporary slowdown with its
// warning board and pre-warning cells. A refusal is reported in status_code
// only; the caller records the position and stops compiling.
#pragma once

#include <cstdint>

#include "catalogue/status_catalogue.h"
#include "model/scenario.h"

namespace scn {

// Places a signal at `posizione` (metres). A `tempo` from 1 to 100 is raised
// to 101 for the caller; every other argument is read only. Approach codes go
// on the 2nd, 4th, 6th and 8th cell before the signal without testing them;
// those that fall before cell 0 are skipped.
void memo_segnale(scenario& s, std::int32_t posizione, std::int32_t sx, std::int32_t s1,
                  std::int32_t s2, std::int32_t s3, std::int32_t rapp, std::int32_t dx,
                  std::int32_t d1, std::int32_t d2, std::int32_t d3, std::int32_t& tempo);

// Places a slowdown of speed `v` from `x` for `l` metres: start and end cells,
// and for a start beyond 1500 m the warning cell 1200 m before it and, when
// `f_ta` is set, the four pre-warning cells before that. A claimed cell
// outside the model counts as taken.
void memo_rallentamento(scenario& s, std::int32_t x, std::int32_t v, std::int32_t l,
                        std::int32_t f_tt, std::int32_t f_ta, std::int32_t d_v);

}  // namespace scn
