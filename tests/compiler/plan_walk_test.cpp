// The plan walk: every point from the two before it, straight or turning,
// against a point-by-point recomputation of the same recurrence.
#include <gtest/gtest.h>

#include <vector>

#include "compiler/plan_walk.h"

namespace scn {
namespace {

struct leg {
  std::int64_t until;
  double turn;
};

// Point k of a walk over `legs`, one point at a time.
std::vector<std::array<double, 2>> reference_points(const std::vector<leg>& legs,
                                                    std::int64_t last_point) {
  std::vector<std::array<double, 2>> p = {{0.0, 0.0}, {0.0, 1.0}};
  std::int64_t k = 2;
  for (const auto& l : legs) {
    for (; k <= l.until && k <= last_point; ++k) {
      const auto& a = p[k - 1];
      const auto& b = p[k - 2];
      const double dx = a[0] - b[0], dy = a[1] - b[1];
      p.push_back(l.turn == 0.0 ? std::array<double, 2>{a[0] + dx, a[1] + dy}
                                : std::array<double, 2>{a[0] + (dx + l.turn * dy),
                                                        a[1] + (dy - l.turn * dx)});
    }
    k = std::max(k, l.until + 1);
  }
  for (; k <= last_point; ++k) {
    const auto& a = p[k - 1];
    const auto& b = p[k - 2];
    p.push_back({a[0] + (a[0] - b[0]), a[1] + (a[1] - b[1])});
  }
  return p;
}

TEST(PlanWalk, PointsMatchTheRecurrenceAndCarryTheRealTag) {
  struct walk_case {
    const char* name;
    std::vector<leg> legs;
  };
  const std::vector<walk_case> cases = {
      {"straight only", {}},
      {"one curve", {{999, 0.0}, {1099, -0.003}}},
      {"curves back to back", {{10, 0.0}, {60, 0.002}, {61, -0.0001}, {400, 0.001}}},
      {"curve behind the walk bends nothing", {{500, 0.0}, {300, 0.003}, {700, 0.0004}}},
      {"curve past the last point", {{6000, 0.0}, {7500, 0.002}}},
  };
  constexpr std::int64_t last_point = 6998;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    track_plan plan;
    plan.dimension(7000);
    plan_walk w{plan, last_point, 2};
    start_plan(w);
    for (const auto& l : c.legs) ASSERT_TRUE(walk_to(w, l.until, l.turn));
    finish_plan(w);
    const auto expected = reference_points(c.legs, last_point);
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(last_point + 1));
    for (std::size_t k = 2; k < expected.size(); ++k) {
      for (int axis = 0; axis < 2; ++axis) {
        ASSERT_EQ(plan.tag(k, axis), plan_tag::real) << "point " << k;
        ASSERT_EQ(plan.value(k, axis), expected[k][axis]) << "point " << k << " axis " << axis;
      }
    }
    for (std::size_t k = last_point + 1; k < plan.points(); ++k) {
      EXPECT_EQ(plan.tag(k, 0), plan_tag::empty);
      EXPECT_EQ(plan.tag(k, 1), plan_tag::empty);
    }
  }
}

TEST(PlanWalk, StopsRightAfterPassingTheLongestWalk) {
  track_plan plan;
  plan.dimension(100);
  plan_walk w{plan, 98, 2};
  start_plan(w);
  EXPECT_TRUE(walk_to(w, max_walk_point - 1, 0.0));
  EXPECT_EQ(w.next, max_walk_point);
  EXPECT_FALSE(walk_to(w, max_walk_point + 500, 0.001));
  EXPECT_EQ(w.next, max_walk_point + 1);
  EXPECT_EQ(plan.tag(98, 0), plan_tag::real);
  EXPECT_EQ(plan.tag(99, 0), plan_tag::empty);
}

}  // namespace
}  // namespace scn
