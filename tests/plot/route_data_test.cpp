// Reading the drawable route back out of a compiled model: objects along the
// line, the profiles per cell and the turning of the plan.
#include <gtest/gtest.h>

#include "model/cell_kind.h"
#include "plot/plot_test_model.h"
#include "plot/route_objects.h"
#include "plot/route_plan.h"
#include "plot/route_profiles.h"

namespace scn::plot {
namespace {

TEST(RouteObjects, CollectsStationsSignalsSlowdownsBoardsAndTunnels) {
  const route_objects o = collect_route_objects(test::small_route(true));
  ASSERT_EQ(o.stations.size(), 4u);
  EXPECT_EQ(o.stations[0].name, "BORGO & <ALTO>");
  EXPECT_EQ(o.stations[2].name, "CASELLO \xC2\xB0 7");
  EXPECT_FALSE(o.stations[2].stops);
  EXPECT_TRUE(o.stations[3].stops);
  EXPECT_EQ(o.stations[3].position, 12000);
  EXPECT_EQ(o.stations[3].time_s, 13 * 3600 + 27 * 60);
  ASSERT_EQ(o.signals.size(), 2u);
  EXPECT_EQ(o.signals[0].position, 2450);
  EXPECT_EQ(o.signals[0].type, 1);
  EXPECT_EQ(o.signals[1].type, 2);
  ASSERT_EQ(o.slowdowns.size(), 1u);
  EXPECT_EQ(o.slowdowns[0].stretch.start, 9000);
  EXPECT_EQ(o.slowdowns[0].stretch.end, 9350);
  EXPECT_EQ(o.slowdowns[0].speed, 30);
  EXPECT_EQ(o.slowdown_warnings, std::vector<std::int32_t>{7800});
  ASSERT_EQ(o.boards.size(), 2u);
  EXPECT_TRUE(o.boards[0].tunnel);
  EXPECT_FALSE(o.boards[1].tunnel);
  EXPECT_EQ(o.boards[1].position, 8000);
  ASSERT_EQ(o.tunnels.size(), 1u);
  EXPECT_EQ(o.tunnels[0].stretch.start, 5300);
  EXPECT_EQ(o.tunnels[0].stretch.end, 5600);
}

TEST(RouteObjects, StationRowsEndWhereBoardRowsBegin) {
  scenario s = test::small_route(false);
  s.items[5].text = "(GALLERIA)(BASSA)";  // boards have come down to row 5
  s.track_cells[30].kind = code(cell_kind::text_board);
  s.track_cells[30].value1 = 5;
  s.items[6].text = "NOT A STATION";
  EXPECT_EQ(collect_route_objects(s).stations.size(), 4u);
}

TEST(RouteObjects, SlowdownOfLengthZeroAndEndWithoutStart) {
  scenario s = test::small_route(false);
  s.track_cells[190].kind = code(cell_kind::slowdown_end);  // no start before it
  s.track_cells[200].kind = code(cell_kind::slowdown_start);
  s.track_cells[200].value1 = 50;
  s.track_cells[210].kind = code(cell_kind::slowdown_start);
  s.track_cells[210].value1 = 60;
  s.track_cells[215].kind = code(cell_kind::slowdown_end);
  const auto o = collect_route_objects(s);
  ASSERT_EQ(o.slowdowns.size(), 3u);
  EXPECT_EQ(o.slowdowns[1].stretch.start, o.slowdowns[1].stretch.end);
  EXPECT_EQ(o.slowdowns[1].speed, 50);
  EXPECT_EQ(o.slowdowns[2].stretch.end, 214 * 50);
}

TEST(RouteObjects, TunnelStretchFollowsTheBackdropCellsAfterTheBoard) {
  const struct {
    std::vector<std::size_t> backdrop_cells;
    std::int32_t start, end;
  } cases[] = {
      {{106, 107, 108}, 5300, 5450},      // a span starting 250 m after the board
      {{99, 100, 101, 102}, 4950, 5150},  // the board stands inside the span
      {{113, 114}, 5650, 5750},           // 600 m after: still the board's
      {{114, 115}, 0, 0},                 // too far: none
      {{}, 0, 0},                         // no span at all
      {{95, 96, 104, 105}, 5200, 5300},   // an earlier span ends before the board
  };
  for (const auto& c : cases) {
    scenario s = test::small_route(false);
    for (auto& cell : s.track_cells) cell.backdrop = 0;
    for (const auto i : c.backdrop_cells) s.track_cells[i].backdrop = 2;
    const line_stretch t = tunnel_stretch(s, 101);
    EXPECT_EQ(t.start, c.start) << c.backdrop_cells.size();
    EXPECT_EQ(t.end, c.end) << c.backdrop_cells.size();
  }
}

TEST(RouteObjects, TunnelBoardsAreRecognisedByTheirFirstGroup) {
  const struct {
    const char* text;
    bool tunnel;
  } cases[] = {{"(GALLERIA 1\xB0 )(X)", true},
               {"  (  galleria artif. )(Mt140)", true},
               {"(    GALLERIA    )(NOME)", true},
               {"(VIADOTTO)(GALLERIA)", false},
               {"( GALLERI )", false},
               {"GALLERIA", false},
               {"(", false},
               {"", false}};
  for (const auto& c : cases) EXPECT_EQ(names_tunnel(c.text), c.tunnel) << c.text;
}

TEST(RouteProfiles, HeightIntegratesTheGradientOverEachCell) {
  const scenario s = test::small_route(true);
  const route_profiles p = build_route_profiles(s, drawn_length(s));
  ASSERT_EQ(p.cells, 240u);
  ASSERT_EQ(p.height.size(), 241u);
  EXPECT_DOUBLE_EQ(p.height[80], 40.0);   // 4 km at +10 per mille
  EXPECT_DOUBLE_EQ(p.height[160], 40.0);  // level to 8 km
  EXPECT_DOUBLE_EQ(p.height[240], 20.0);  // 4 km at -5 per mille
  EXPECT_EQ(p.gradient[0], 10.0);
  EXPECT_EQ(p.gradient[239], -5.0);
  EXPECT_EQ(p.speed[99], 90.0);
  EXPECT_EQ(p.speed[100], 60.0);
}

TEST(RouteProfiles, CurvatureIsRightHandPositiveInOnePerKilometre) {
  const scenario s = test::small_route(true);
  const route_profiles p = build_route_profiles(s, drawn_length(s));
  ASSERT_EQ(p.curvature.size(), p.cells);
  EXPECT_NEAR(p.curvature[10], 0.0, 1e-9);
  EXPECT_NEAR(p.curvature[70], 1.0, 0.01);    // 1000 m radius to the right
  EXPECT_NEAR(p.curvature[145], -3.0, 0.02);  // 333 m radius to the left
  EXPECT_TRUE(build_route_profiles(test::small_route(false), 12000).curvature.empty());
}

TEST(RouteProfiles, DrawnLengthFallsBackToTheModel) {
  scenario s = test::small_route(false);
  const double model = static_cast<double>(s.track_cells.size()) * 50;
  const struct {
    std::int32_t run_end;
    double drawn;
  } cases[] = {{12000, 12000}, {0, model}, {-5, model}, {2000000, model}, {7025, 7025}};
  for (const auto& c : cases) {
    s.items[run_row].end = c.run_end;
    EXPECT_EQ(drawn_length(s), c.drawn) << c.run_end;
  }
  s.items[run_row].end = 7025;
  EXPECT_EQ(build_route_profiles(s, 7025).cells, 141u);  // the cell cut by the end counts
}

TEST(RoutePlan, UsesOnlyTheLeadingPointsThatAreSet) {
  scenario s = test::small_route(true);
  const plan_track whole(s.plan);
  EXPECT_EQ(whole.size(), static_cast<std::size_t>(s.plan_length - 1));
  const plan_point p = whole.at(1500.5);
  EXPECT_DOUBLE_EQ(p.x, 0.0);
  EXPECT_DOUBLE_EQ(p.y, 1500.5);
  EXPECT_DOUBLE_EQ(whole.at(-10).y, 0.0);
  EXPECT_DOUBLE_EQ(whole.at(1e9).y, whole.at(static_cast<double>(whole.size() - 1)).y);

  scenario bare = test::small_route(false);
  EXPECT_FALSE(plan_track(bare.plan).drawable());
  EXPECT_TRUE(plan_track(bare.plan).sample(0, 100, 10).empty());
}

}  // namespace
}  // namespace scn::plot
