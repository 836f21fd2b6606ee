// The shared operations of the scenario model: cell indices, sizing, free test.
#include <gtest/gtest.h>

#include "model/cell_kind.h"
#include "model/rounding.h"
#include "model/scenario.h"

namespace scn {
namespace {

TEST(CellIndex, RoundsHalfToEven) {
  const struct {
    std::int64_t position;
    std::int64_t cell;
  } cases[] = {{0, 1}, {24, 1}, {25, 2}, {49, 2}, {50, 2}, {75, 2}, {125, 4}, {-25, 0}};
  for (const auto& c : cases) EXPECT_EQ(cell_index(c.position), c.cell) << c.position;
}

TEST(Nearest, TiesGoToTheEvenNeighbour) {
  EXPECT_EQ(nearest(0.5), 0);
  EXPECT_EQ(nearest(1.5), 2);
  EXPECT_EQ(nearest(2.5), 2);
  EXPECT_EQ(nearest(-0.5), 0);
  EXPECT_EQ(nearest(-1.5), -2);
  EXPECT_EQ(nearest(2.4999), 2);
}

TEST(LastCell, FollowsTheLineLengthWithTiesToEven) {
  EXPECT_EQ(last_cell_for(100000), 2140);
  EXPECT_EQ(last_cell_for(100025), 2140);
  EXPECT_EQ(last_cell_for(100075), 2142);
}

TEST(Dimension, SizesCellsAndPlanFromTheLineLength) {
  scenario s;
  s.output_switch = 1;
  dimension(s, 100000);
  EXPECT_EQ(s.last_cell, 2140);
  EXPECT_EQ(s.plan_length, 107000);
  EXPECT_EQ(s.track_cells.size(), 2141u);
  EXPECT_EQ(s.plan.points(), 107001u);
  EXPECT_EQ(s.plan.tag(5, 1), plan_tag::empty);

  scenario no_plan;
  dimension(no_plan, 100000);
  EXPECT_FALSE(no_plan.plan.exists());
}

TEST(FreeCell, EmptyAndBackdropMarkAreFreeAndOutsideIsNot) {
  scenario s;
  dimension(s, 0);
  s.track_cells[1].kind = code(cell_kind::backdrop_mark);
  s.track_cells[2].kind = code(cell_kind::reduction_mark);
  EXPECT_TRUE(is_free_at(s, 0));
  EXPECT_TRUE(is_free_at(s, 1));
  EXPECT_FALSE(is_free_at(s, 2));
  EXPECT_FALSE(is_free_at(s, -1));
  EXPECT_FALSE(is_free_at(s, s.last_cell + 1));
}

TEST(ItemTable, ResetClearsEveryRow) {
  scenario s;
  s.items[85].text = "BORGOLAGO-CIMAPASSO";
  s.items[1].number = 39840;
  s.items[0].flag_e = 3;
  reset_item_table(s);
  for (const auto& row : s.items) EXPECT_EQ(row, item_record{});
}

}  // namespace
}  // namespace scn
