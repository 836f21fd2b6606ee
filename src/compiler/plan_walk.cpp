// The walk that builds the plan of the line.
#include "compiler/plan_walk.h"

namespace scn {

namespace {

// Point k from the two before it. Every operation is rounded on its own (the
// build forbids fused multiply-adds), so the bytes of the plan are fixed.
void compute_point(track_plan& plan, std::size_t k, double c) {
  const double x1 = plan.value(k - 1, 0), y1 = plan.value(k - 1, 1);
  const double dx = x1 - plan.value(k - 2, 0);
  const double dy = y1 - plan.value(k - 2, 1);
  if (c == 0.0) {
    plan.set_real(k, 0, x1 + dx);
    plan.set_real(k, 1, y1 + dy);
  } else {
    plan.set_real(k, 0, x1 + (dx + c * dy));
    plan.set_real(k, 1, y1 + (dy - c * dx));
  }
}

}  // namespace

void start_plan(plan_walk& w) {
  for (std::size_t k = 0; k < 2 && k < w.plan.points(); ++k) {
    w.plan.set_integer(k, 0, 0);
    w.plan.set_integer(k, 1, static_cast<std::int16_t>(k));
  }
}

bool walk_to(plan_walk& w, std::int64_t until, double c) {
  while (w.next <= until) {
    if (w.next <= w.last_point) compute_point(w.plan, static_cast<std::size_t>(w.next), c);
    ++w.next;
    if (w.next > max_walk_point) return false;
  }
  return true;
}

void finish_plan(plan_walk& w) {
  for (; w.next <= w.last_point; ++w.next)
    compute_point(w.plan, static_cast<std::size_t>(w.next), 0.0);
}

}  // namespace scn
