// The walk that builds the plan of the line.
#include "compiler/plan_walk.h"

#include <algorithm>

namespace scn {

namespace {

// Points `from` to `to` (from >= 2), each from the two before it, turning by
// `c` per metre. Every operation is rounded on its own (the build forbids
// fused multiply-adds), so the bytes of the plan are fixed. The last two
// points are carried in locals: the loop reads nothing back from the plan.
void compute_points(track_plan& plan, std::int64_t from, std::int64_t to, double c) {
  if (from > to) return;
  double* const xs = plan.values(0);
  double* const ys = plan.values(1);
  double x2 = xs[from - 2], y2 = ys[from - 2];
  double x1 = xs[from - 1], y1 = ys[from - 1];
  for (std::int64_t k = from; k <= to; ++k) {
    const double dx = x1 - x2;
    const double dy = y1 - y2;
    x2 = x1;
    y2 = y1;
    if (c == 0.0) {
      x1 = x1 + dx;
      y1 = y1 + dy;
    } else {
      x1 = x1 + (dx + c * dy);
      y1 = y1 + (dy - c * dx);
    }
    xs[k] = x1;
    ys[k] = y1;
  }
  for (int axis = 0; axis < 2; ++axis) {
    std::uint8_t* const tags = plan.tags(axis);
    std::fill(tags + from, tags + to + 1, static_cast<std::uint8_t>(plan_tag::real));
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
