// The walker computes every point of a walked plan exactly as the walk's
// recurrence does, one point at a time: bit for bit, over long straights
// that cross powers of two and zero, after curves of every class and sign.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "model/track_plan.h"

namespace scn {
namespace {

// Points 2.. of the walk over `stretches`, each from the two before it.
std::vector<std::array<double, 2>> recurrence(const std::vector<plan_stretch>& stretches) {
  std::vector<std::array<double, 2>> p = {{0.0, 0.0}, {0.0, 1.0}};
  for (const auto& s : stretches) {
    for (std::int64_t k = s.from; k <= s.to; ++k) {
      const auto a = p[static_cast<std::size_t>(k - 1)];
      const auto b = p[static_cast<std::size_t>(k - 2)];
      const double dx = a[0] - b[0];
      const double dy = a[1] - b[1];
      p.push_back(s.turn == 0.0 ? std::array<double, 2>{a[0] + dx, a[1] + dy}
                                : std::array<double, 2>{a[0] + (dx + s.turn * dy),
                                                        a[1] + (dy - s.turn * dx)});
    }
  }
  return p;
}

// Takes the walk's points in a list: in order, or also placed ahead of the
// next one (which lets the walk store a straight beside the curve after it).
struct point_list {
  std::vector<std::array<double, 2>> points;
  std::size_t next = 0;
  void operator()(double x, double y) { place(0, x, y), pass(1); }
  void place(std::size_t k, double x, double y) {
    if (points.size() <= next + k) points.resize(next + k + 1);
    points[next + k] = {x, y};
  }
  void pass(std::size_t count) { next += count; }
};

// Walks in blocks of `block` points and compares every point bit for bit,
// each point handed over in order (`placing` false) or placed.
void expect_walk_matches(const std::vector<plan_stretch>& stretches, std::size_t block,
                         bool placing) {
  track_plan plan;
  plan.dimension(static_cast<std::int32_t>(stretches.back().to + 1));
  plan.start_walk();
  for (const auto& s : stretches) plan.add_stretch(s);
  auto expected = recurrence(stretches);
  expected.erase(expected.begin(), expected.begin() + 2);
  plan_walker walker(plan);
  point_list got;
  if (placing) {
    while (walker.advance_with(block, got) != 0) {
    }
  } else {
    while (walker.advance_with(block, [&got](double x, double y) { got(x, y); }) != 0) {
    }
  }
  ASSERT_EQ(got.next, expected.size());
  ASSERT_EQ(got.points.size(), expected.size());
  std::size_t mismatches = 0;
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const auto& e = expected[k];
    const auto& p = got.points[k];
    if (std::bit_cast<std::uint64_t>(p[0]) != std::bit_cast<std::uint64_t>(e[0]) ||
        std::bit_cast<std::uint64_t>(p[1]) != std::bit_cast<std::uint64_t>(e[1])) {
      if (++mismatches <= 3) ADD_FAILURE() << "point " << k + 2 << ": " << p[0] << ", " << p[1];
    }
  }
  EXPECT_EQ(mismatches, 0u);
}

TEST(PlanWalker, EveryPointIsTheRecurrences) {
  const std::vector<std::pair<const char*, std::vector<plan_stretch>>> cases = {
      // x stays +0 and y counts up: signed zeros and exact integers.
      {"straight from the start", {{2, 300000, 0.0}}},
      // Headings of every quadrant, then straights long enough to cross
      // many powers of two, and back through zero.
      {"right turn then far", {{2, 999, 0.0}, {1000, 1599, 0.003}, {1600, 400000, 0.0}}},
      {"left turn then far", {{2, 9, 0.0}, {10, 1209, -0.002}, {1210, 300000, 0.0}}},
      {"turned back through zero",
       {{2, 50000, 0.0}, {50001, 51100, 0.003}, {51101, 52150, 0.003}, {52151, 200000, 0.0}}},
      {"one-point stretches", {{2, 2, 0.001}, {3, 3, 0.0}, {4, 4, -0.0001}, {5, 9000, 0.0}}},
      // Straights shorter, as long as and far longer than the curve after
      // them: the walk places the straight's points beside the curve.
      {"straights before curves",
       {{2, 999, 0.0},
        {1000, 1299, 0.002},
        {1300, 1399, 0.0},
        {1400, 1449, 0.001},
        {1450, 1450, 0.0},
        {1451, 1460, -0.003},
        {1461, 3000, 0.0},
        {3001, 3100, 0.0004},
        {3101, 3200, 0.0},
        {3201, 3300, -0.0001},
        {3301, 200000, 0.0},
        {200001, 200001, 0.002}}},
  };
  for (const auto& [name, stretches] : cases) {
    SCOPED_TRACE(name);
    for (const bool placing : {false, true}) {
      for (const std::size_t block : {std::size_t{1}, std::size_t{3}, std::size_t{4096}})
        expect_walk_matches(stretches, block, placing);
    }
  }
}

// How far a straight can be taken as x1 + k * step: within x1's binary
// order of magnitude, the step a whole number of its units; never through
// -0 or a value that is not finite.
TEST(PlanWalker, ExactStraightStepsStayInTheRange) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr double inf = std::numeric_limits<double>::infinity();
  const struct {
    double x2, x1;
    std::size_t limit, steps;
  } cases[] = {
      {0.0, 0.0, 500, 500},          // a coordinate that stays +0
      {3.0, 3.0, 500, 500},          // or any other value
      {0.0, -0.0, 500, 0},           // -0 + +0 is +0: point by point
      {3.0, 4.0, 500, 3},            // 5, 6, 7 below 8
      {8.0, 7.0, 500, 3},            // 6, 5, 4, not below 4
      {-3.0, -4.0, 500, 3},          // -5, -6, -7
      {3.0, 4.0, 2, 2},              // no further than asked
      {1.0, 1.5, 500, 0},            // 2.0 is the next range
      {4.0 - 0x1p-51, 4.0, 500, 0},  // half a unit of [4, 8)
      {0.5, 1.0, 500, 1},            // 1.5 only
      {1.0, nan, 500, 0},
      {1.0, inf, 500, 0},
      {-1.0, 0.0, 500, 0},
      {0.0, 1e-310, 500, 0},           // below the normal range
      {1.0, 1.0 + 0x1p-52, 500, 500},  // the smallest step of [1, 2)
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x2 << " then " << c.x1);
    EXPECT_EQ(exact_straight_steps(c.x2, c.x1, c.limit), c.steps);
  }
}

// Random lines: stretches of 1 to 20000 points, straight or of any class
// and side, from a fixed seed.
TEST(PlanWalker, RandomLinesMatchTheRecurrence) {
  constexpr std::array<double, 6> turns = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};
  std::mt19937 random(20261210);
  for (int line = 0; line < 20; ++line) {
    std::vector<plan_stretch> stretches;
    std::int64_t from = 2;
    while (from < 400000) {
      const std::int64_t length = 1 + static_cast<std::int64_t>(random() % 20000);
      const auto pick = random() % 13;
      const double turn = pick < 6 ? turns[pick] : pick < 12 ? -turns[pick - 6] : 0.0;
      stretches.push_back({from, from + length - 1, random() % 2 == 0 ? 0.0 : turn});
      from += length;
    }
    SCOPED_TRACE(line);
    expect_walk_matches(stretches, 4096, line % 2 == 0);
  }
}

}  // namespace
}  // namespace scn
