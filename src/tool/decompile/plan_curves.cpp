// Curves from the plan. Each metre of the plan turns the heading of the step
// before it by the turn of its curve class (0 on straight track); the turn
// between two consecutive steps therefore gives every metre's class and
// direction, and a run of metres of one class is one curve record. The turn
// of each class is measured on a small line compiled for the purpose, so the
// compiler stays the only place that knows it.
#include <array>
#include <cmath>

#include "output/plan_file.h"
#include "tool/decompile/description_writers.h"
#include "tool/decompile/record_keywords.h"
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

// The tags the compiler leaves: integers at points 0 and 1, reals up to
// plan_length - 2, the last two points empty.
bool plan_shape_fits(const recovery& r, std::size_t points) {
  const track_plan& plan = r.in.plan;
  const std::int64_t expected = std::int64_t{r.in.items[run_row].end} + 7000 + 1;
  if (static_cast<std::int64_t>(points) != expected) {
    r.note("plan file", std::to_string(points) + " points where a line of " +
                            std::to_string(r.in.items[run_row].end) + " m has " +
                            std::to_string(expected));
    return false;
  }
  for (std::size_t k = 0; k < points; ++k) {
    const plan_tag want = k < 2            ? plan_tag::integer
                          : k + 2 < points ? plan_tag::real
                                           : plan_tag::empty;
    for (int axis = 0; axis < 2; ++axis) {
      if (plan.tag(k, axis) != want) {
        r.note("plan point " + std::to_string(k),
               "element of a type the compiler never puts "
               "there");
        return false;
      }
    }
  }
  return true;
}

}  // namespace

std::vector<curve_row> recover_curves(const recovery& r) {
  std::vector<curve_row> rows;
  const std::size_t points = r.in.plan.points();
  if (!plan_shape_fits(r, points)) return rows;
  const std::size_t last = points - 3;  // plan_length - 2
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
  return rows;
}

}  // namespace scn::tool::decompile
