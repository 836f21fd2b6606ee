// The walk that builds the plan of the line one metre at a time: straight
// on, or turning by a fixed angle per metre through a curve.
#pragma once

#include <cstdint>

#include "model/track_plan.h"

namespace scn {

// The walk never goes this far inside a curve record.
inline constexpr std::int64_t max_walk_point = 1000000;

struct plan_walk {
  track_plan& plan;
  std::int64_t last_point;  // plan_length - 2: points after it stay empty
  std::int64_t next = 2;    // the next point to compute
};

// Points 0 and 1: the integers (0, 0) and (0, 1), where the plan has them.
void start_plan(plan_walk& w);

// Goes on while the next point is at most `until`, turning by `c` radians
// per metre (0 for straight track, positive to the right). Points past
// last_point are counted but not written. False when the next point passes
// max_walk_point.
bool walk_to(plan_walk& w, std::int64_t until, double c);

// Straight on up to last_point, without the max_walk_point limit.
void finish_plan(plan_walk& w);

}  // namespace scn
