// The walk that builds the plan of the line.
#include "compiler/plan_walk.h"

#include <algorithm>

namespace scn {

namespace {

// Points `from` to `to` (from >= 2), each from the two before it, turning by
// `c` per metre. The plan records the stretch; its points are computed where
// they are needed (plan_walker), always by the same arithmetic.
void compute_points(track_plan& plan, std::int64_t from, std::int64_t to, double c) {
  if (from > to) return;
  plan.add_stretch({from, to, c});
}

}  // namespace

void start_plan(plan_walk& w) {
  w.plan.start_walk();
}

bool walk_to(plan_walk& w, std::int64_t until, double c) {
  if (w.next > until) return true;
  // The walk stops right after the point that takes it past max_walk_point.
  const std::int64_t last = std::max(w.next, std::min(until, max_walk_point));
  compute_points(w.plan, w.next, std::min(last, w.last_point), c);
  w.next = last + 1;
  return w.next <= max_walk_point;
}

void finish_plan(plan_walk& w) {
  compute_points(w.plan, w.next, w.last_point, 0.0);
  w.next = std::max(w.next, w.last_point + 1);
}

}  // namespace scn
