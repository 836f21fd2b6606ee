// Curves from the plan. Each metre of the plan turns the heading of the step
// before it by the turn of its curve class (0 on straight track); the turn
// between two consecutive steps therefore gives every metre's class and
// direction, and a run of metres of one class is one curve record. The turn
// of each class is measured on a small line compiled for the purpose, so the
// compiler stays the only place that knows it.
#include <array>
#include <cmath>
#include <optional>

#include "formats/plan_file.h"
#include "tool/decompile/description_writers.h"
#include "tool/decompile/recovery.h"
#include "tool/decompile/round_trip.h"

namespace scn::tool::decompile {

namespace {

constexpr int curve_classes = 6;

// Turn of the step that ends at point k, from the two steps before it.
double turn_at(const track_plan& plan, std::size_t k) {
  const double ax = plan.value(k - 1, 0) - plan.value(k - 2, 0);
  const double ay = plan.value(k - 1, 1) - plan.value(k - 2, 1);
  const double bx = plan.value(k, 0) - plan.value(k - 1, 0);
  const double by = plan.value(k, 1) - plan.value(k - 1, 1);
  return -(ax * by - ay * bx) / (ax * ax + ay * ay);
}

// The turn of classes 1 to 6, measured on one right-hand curve of each
// class compiled into a short line.
const std::array<double, curve_classes>& class_turns() {
  static const std::array<double, curve_classes> turns = [] {
    line_description d;
    d.general.length = 1000;
    for (int c = 1; c <= curve_classes; ++c) d.curves.push_back({c * 100, 10, c, false});
    const auto probe =
        compile_descriptions("PROBE", "1", write_line_description(d), "", /*with_plan=*/true);
    std::array<double, curve_classes> out{};
    const track_plan plan = decode_plan_file(probe.files.plan.value_or(""));
    for (int c = 1; c <= curve_classes; ++c) out[c - 1] = turn_at(plan, c * 100 + 5);
    return out;
  }();
  return turns;
}

// Signed class of a turn: positive to the right, 0 on straight track.
int class_of(double turn) {
  const auto& turns = class_turns();
  if (std::fabs(turn) < turns[0] / 2) return 0;
  int best = 1;
  for (int c = 2; c <= curve_classes; ++c)
    if (std::fabs(std::fabs(turn) - turns[c - 1]) < std::fabs(std::fabs(turn) - turns[best - 1]))
      best = c;
  return turn > 0 ? best : -best;
}

// The last point the walk reached, when the tags are those the compiler
// leaves: integers at points 0 and 1, reals from point 2 on, the rest empty.
// A walk that ended before plan_length - 2 was cut short by a refused
// record; a plan left all empty was never started.
std::optional<std::size_t> walked_points(const recovery& r, std::size_t points) {
  const track_plan& plan = r.in.plan;
  const std::int64_t expected = std::int64_t{r.in.items[run_row].end} + 7000 + 1;
  if (static_cast<std::int64_t>(points) != expected) {
    r.note("plan file", std::to_string(points) + " points where a line of " +
                            std::to_string(r.in.items[run_row].end) + " m has " +
                            std::to_string(expected));
    return std::nullopt;
  }
  std::size_t last = 0;
  while (last + 1 < points && plan.tag(last + 1, 0) != plan_tag::empty) ++last;
  for (std::size_t k = 0; k < points; ++k) {
    const bool started = plan.tag(0, 0) != plan_tag::empty;
    const plan_tag want = !started || k > last ? plan_tag::empty
                          : k < 2              ? plan_tag::integer
                                               : plan_tag::real;
    for (int axis = 0; axis < 2; ++axis) {
      if (plan.tag(k, axis) != want || (k + 2 >= points && want != plan_tag::empty)) {
        r.note("plan point " + std::to_string(k),
               "element of a type the compiler never puts there");
        return std::nullopt;
      }
    }
  }
  return last;
}

}  // namespace

std::vector<curve_row> recover_curves(const recovery& r, bool& walk_cut_short) {
  std::vector<curve_row> rows;
  const std::size_t points = r.in.plan.points();
  const auto walked = walked_points(r, points);
  walk_cut_short = false;
  // Points 0 and 1 are set once the general part has been read.
  if (!walked || *walked < 1) return rows;
  const std::size_t last = *walked;
  int run_class = 0;
  std::size_t run_start = 0;
  const auto close_run = [&](std::size_t end) {
    if (run_class == 0) return;
    rows.push_back({static_cast<std::int32_t>(run_start - 1),
                    static_cast<std::int32_t>(end - run_start), std::abs(run_class),
                    run_class < 0});
  };
  for (std::size_t k = 2; k <= last; ++k) {
    const int c = class_of(turn_at(r.in.plan, k));
    if (c == run_class) continue;
    close_run(k);
    run_class = c;
    run_start = k;
  }
  close_run(last + 1);
  if (last + 3 < points) {
    // The walk ends where its last curve record ended; a straight end
    // needs a curve of length 0 there.
    walk_cut_short = true;
    if (run_class == 0) rows.push_back({static_cast<std::int32_t>(last), 0, 1, false});
  }
  return rows;
}

}  // namespace scn::tool::decompile
