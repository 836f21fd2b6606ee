// Layout helpers of the route plot: round axis steps, chart mapping, step
// outlines and the choice of free places for labels.
#include <gtest/gtest.h>

#include "plot/chart_frame.h"
#include "plot/label_placer.h"
#include "plot/step_paths.h"

namespace scn::plot {
namespace {

TEST(ChartFrame, NiceStepsAreOneTwoOrFiveTimesAPowerOfTen) {
  const struct {
    double span;
    int target;
    double step;
  } cases[] = {{100, 18, 5},   {100, 10, 10}, {44, 4, 10}, {0.9, 3, 0.2},
               {1400, 5, 200}, {7, 5, 1},     {0, 5, 1},   {-3, 5, 1}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(nice_step(c.span, c.target), c.step) << c.span;
}

TEST(ChartFrame, TicksAndWideningStayOnMultiplesOfTheStep) {
  EXPECT_EQ(ticks(-22, 22, 10), (std::vector<double>{-20, -10, 0, 10, 20}));
  EXPECT_EQ(ticks(0, 100000, 25000), (std::vector<double>{0, 25000, 50000, 75000, 100000}));
  EXPECT_TRUE(ticks(5, 1, 1).empty());
  double low = -22, high = 17;
  widen_to_step(low, high, 10);
  EXPECT_EQ(low, -30);
  EXPECT_EQ(high, 20);
}

TEST(ChartFrame, MapsMetresAndValuesToPixels) {
  const chart_frame f{100, 1100, 50, 150, 10000, -10, 10};
  EXPECT_DOUBLE_EQ(f.x(0), 100);
  EXPECT_DOUBLE_EQ(f.x(5000), 600);
  EXPECT_DOUBLE_EQ(f.y(10), 50);
  EXPECT_DOUBLE_EQ(f.y(-10), 150);
  EXPECT_DOUBLE_EQ(f.y(0), 100);
}

TEST(StepPaths, ChangesOnlyWhereTheValueChangesAndCutAtTheEnd) {
  const chart_frame f{0, 100, 0, 100, 175, 0, 100};  // 3.5 cells
  EXPECT_EQ(step_line(f, {10, 10, 50, 50}), "M0 90H0V90H57.1V50H100");
  EXPECT_EQ(step_area(f, {20}, 0), "M0 100H0V80H28.6V100Z");
  EXPECT_EQ(one_sign({-2, 3}, true), (std::vector<double>{0, 3}));
  EXPECT_EQ(one_sign({-2, 3}, false), (std::vector<double>{-2, 0}));
  EXPECT_EQ(step_line(f, {}), "");
}

TEST(LabelPlacer, TakesTheFirstFreeCandidateAndAvoidsEarlierLabels) {
  label_placer placer({0, 0, 100, 100});
  placer.add_obstacle(box_around(50, 50, 10, 10));
  const std::vector<label_box> candidates = {
      box_around(50, 50, 20, 10), box_around(150, 50, 20, 10), box_around(20, 20, 20, 10),
      box_around(80, 80, 20, 10)};
  EXPECT_EQ(placer.place(candidates), 2u);  // on the obstacle, outside, then free
  EXPECT_EQ(placer.place(candidates), 3u);  // the free place is now taken
  EXPECT_EQ(placer.place(candidates), 0u);  // only the obstacle is left as cheapest
}

// The grid finds exactly what a test of every label and obstacle finds:
// boxes of all sizes, on cell edges, beyond the bounds and huge.
TEST(LabelPlacer, CostEqualsTheSumOverEverything) {
  const label_box bounds{-40, 10, 960, 610};
  label_placer placer(bounds);
  std::vector<std::pair<label_box, double>> obstacles;
  std::vector<label_box> labels;
  std::uint32_t seed = 12345;
  const auto next = [&seed](double lo, double hi) {
    seed = seed * 1664525u + 1013904223u;
    return lo + (hi - lo) * static_cast<double>(seed >> 8) / static_cast<double>(1u << 24);
  };
  const auto random_box = [&]() {
    const double w = next(0, 1) < 0.05 ? next(500, 3000) : next(0.5, 60);
    return box_around(next(-200, 1100), next(-100, 800), w, next(0.5, 30));
  };
  const auto brute_cost = [&](const label_box& b) {
    double c = 0;
    for (const auto& l : labels) c += l.overlaps(b) ? 1000 : 0;
    if (b.x0 < bounds.x0 || b.y0 < bounds.y0 || b.x1 > bounds.x1 || b.y1 > bounds.y1) c += 500;
    for (const auto& [o, w] : obstacles) c += o.overlaps(b) ? w : 0;
    return c;
  };
  // A box that ends exactly where a grid cell begins touches nothing there.
  obstacles.push_back({{-40, 10, 70.9375, 20}, 0.3});
  placer.add_obstacle(obstacles.back().first, 0.3);
  for (int i = 0; i < 400; ++i) {
    const label_box b = random_box();
    const double w = next(0.1, 3);
    obstacles.push_back({b, w});
    placer.add_obstacle(b, w);
  }
  for (int i = 0; i < 300; ++i) {
    std::vector<label_box> candidates;
    for (int k = 0; k < 4; ++k) candidates.push_back(random_box());
    for (const auto& c : candidates) ASSERT_EQ(placer.cost(c), brute_cost(c)) << i;
    labels.push_back(candidates[placer.place(candidates)]);
  }
  const label_box edge{70.9375, 15, 80, 25};
  EXPECT_EQ(placer.cost(edge), brute_cost(edge));
}

}  // namespace
}  // namespace scn::plot
