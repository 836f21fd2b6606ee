// The signal marker pass on small hand-built cell arrays: marks before
// signals near a warning, before and along slowdowns, before the next signal,
// and the status codes when no cell is free.
#include "finishing/marker_pass.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/cell_kind.h"

namespace scn {
namespace {

using cells = std::vector<std::int64_t>;

struct placed {
  std::int64_t cell;
  cell_kind kind;
  std::int16_t value1 = 0;
};

// A model of `count` cells (indices 0..count-1) holding the given objects.
scenario model(std::size_t count, const std::vector<placed>& objects) {
  scenario s;
  s.track_cells.assign(count, track_cell{});
  s.last_cell = static_cast<std::int32_t>(count) - 1;
  for (const auto& o : objects) {
    s.track_cells[static_cast<std::size_t>(o.cell)].kind = code(o.kind);
    s.track_cells[static_cast<std::size_t>(o.cell)].value1 = o.value1;
  }
  return s;
}

// Indices of the cells that hold a reduction mark of speed 180.
cells marks(const scenario& s) {
  cells out;
  for (std::size_t i = 0; i < s.track_cells.size(); ++i) {
    const track_cell& c = s.track_cells[i];
    if (c.kind == code(cell_kind::reduction_mark) && c.value1 == 180)
      out.push_back(static_cast<std::int64_t>(i));
  }
  return out;
}

constexpr auto signal = cell_kind::signal;
constexpr auto board = cell_kind::text_board;
constexpr auto warning = cell_kind::slowdown_warning;
constexpr auto start = cell_kind::slowdown_start;
constexpr auto end = cell_kind::slowdown_end;
constexpr auto mark = cell_kind::reduction_mark;

struct pass_case {
  const char* name;
  std::size_t count;
  std::vector<placed> objects;
  cells expected_marks;
  std::int32_t status_code = 0;
  std::int32_t status_position = 0;
};

void run_cases(const std::vector<pass_case>& cases) {
  for (const auto& t : cases) {
    SCOPED_TRACE(t.name);
    scenario s = model(t.count, t.objects);
    signal_marker_pass(s);
    EXPECT_EQ(marks(s), t.expected_marks);
    EXPECT_EQ(s.status_code, t.status_code);
    EXPECT_EQ(s.status_position, t.status_position);
  }
}

TEST(MarkerPass, SignalsBeforeAWarningCell) {
  run_cases({
      {"WarningAtIndex3TreatsNoSignal", 40, {{3, warning}, {2, signal}}, {}},
      {"WarningAtIndex4MarksBeforeSignalAt3", 40, {{4, warning}, {3, signal}}, {2}},
      {"SignalOneCellBefore", 40, {{30, warning}, {29, signal}}, {28}},
      {"CellBeforeSignalTaken", 40, {{30, warning}, {29, signal}, {28, board}}, {27}},
      {"BackdropMarkCountsAsFree",
       40,
       {{30, warning}, {29, signal}, {28, cell_kind::backdrop_mark}},
       {28}},
      {"BothTakenGives11",
       40,
       {{30, warning}, {29, signal}, {28, board}, {27, board}},
       {},
       11,
       1450},
      {"EverySignalIn20CellsNoneBeyond",
       60,
       {{40, warning}, {35, signal}, {20, signal}, {19, board}, {15, signal}},
       {18, 34}},
      {"WarningOnTheLastVisitedCell", 40, {{37, warning}, {36, signal}}, {35}},
      {"WarningPastTheLastVisitedCell", 40, {{38, warning}, {37, signal}}, {}},
  });
}

TEST(MarkerPass, ExistingMarkBeforeASignalIsCappedAt180) {
  struct {
    const char* name;
    std::int64_t mark_cell;
    std::int16_t before, after;
  } cases[] = {
      {"MarkOnCellBefore200", 28, 200, 180},
      {"MarkOnCellBefore120", 28, 120, 120},
      {"MarkTwoCellsBefore200", 27, 200, 180},
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(t.name);
    scenario s = model(40, {{30, warning}, {29, signal}, {28, board}, {27, board}});
    s.track_cells[static_cast<std::size_t>(t.mark_cell)] = track_cell{};
    s.track_cells[static_cast<std::size_t>(t.mark_cell)].kind = code(mark);
    s.track_cells[static_cast<std::size_t>(t.mark_cell)].value1 = t.before;
    signal_marker_pass(s);
    EXPECT_EQ(s.track_cells[static_cast<std::size_t>(t.mark_cell)].value1, t.after);
    EXPECT_EQ(s.track_cells[static_cast<std::size_t>(t.mark_cell)].kind, code(mark));
    EXPECT_EQ(s.status_code, 0);
  }
}

TEST(MarkerPass, ThreeMarksAheadOfASlowdownStart) {
  run_cases({
      {"StartAtIndex7GetsNoB1", 40, {{7, start, 110}, {9, end}}, {}},
      {"StartAtIndex8FirstFreeOf3", 40, {{8, start, 110}, {9, end}}, {3}},
      {"StartAtIndex8ThenCell2", 40, {{8, start, 110}, {9, end}, {3, board}}, {2}},
      {"StartAtIndex8ThenCell1", 40, {{8, start, 110}, {9, end}, {3, board}, {2, board}}, {1}},
      {"StartAtIndex8NoFreeCell",
       40,
       {{8, start, 110}, {9, end}, {3, board}, {2, board}, {1, board}},
       {},
       12,
       400},
      {"StartAtIndex13OnlyB1", 40, {{13, start, 110}, {14, end}}, {8}},
      {"StartAtIndex14B1AndB2", 40, {{14, start, 110}, {15, end}}, {3, 9}},
      {"StartAtIndex21AllThree", 40, {{21, start, 110}, {22, end}}, {3, 10, 16}},
      {"FastSlowdownNoneAlongItsLength", 60, {{30, start, 110}, {50, end}}, {12, 19, 25}},
      {"GroupFullGoesOnWithTheNext",
       60,
       {{30, start, 110}, {50, end}, {19, board}, {18, board}, {17, board}, {12, board}},
       {11, 25},
       12,
       1500},
  });
}

TEST(MarkerPass, MarksEvery8CellsAlongASlowSlowdown) {
  run_cases({
      {"EightAndSixteenAfterTheStart", 60, {{30, start, 30}, {50, end}}, {12, 19, 25, 38, 46}},
      {"SpeedBelowZeroCountsAsSlow", 60, {{30, start, -5}, {50, end}}, {12, 19, 25, 38, 46}},
      {"DueCellTakenGoesOneBack",
       70,
       {{30, start, 30}, {60, end}, {38, board}},
       {12, 19, 25, 37, 45, 53}},
      {"DueAndPreviousTakenGoesOneOn",
       70,
       {{30, start, 30}, {60, end}, {38, board}, {37, board}},
       {12, 19, 25, 39, 47, 55}},
      {"NoFreeCellStopsTheSpacing",
       70,
       {{30, start, 30}, {60, end}, {39, board}, {38, board}, {37, board}},
       {12, 19, 25},
       13,
       1900},
      {"MarkDueOnTheEndCell", 60, {{30, start, 30}, {38, end}}, {12, 19, 25, 37}},
  });
}

TEST(MarkerPass, WalkWithoutAnEndStopsAtTheLastCell) {
  run_cases({
      {"MarkDueBeforeTheLastCell", 60, {{50, start, 30}}, {32, 39, 45, 58}},
      {"NextCellBeyondTheLastIsNotFree",
       60,
       {{51, start, 30}, {59, board}, {58, board}},
       {33, 40, 46},
       13,
       2950},
  });
}

TEST(MarkerPass, MarkBeforeTheFirstSignalAfterTheEnd) {
  run_cases({
      {"SignalTwelveCellsAfter", 80, {{30, start, 110}, {50, end}, {62, signal}}, {12, 19, 25, 61}},
      {"SignalThirteenCellsAfter", 80, {{30, start, 110}, {50, end}, {63, signal}}, {12, 19, 25}},
      {"FirstSignalOnly",
       80,
       {{30, start, 110}, {50, end}, {55, signal}, {58, signal}},
       {12, 19, 25, 54}},
      {"CellBeforeTakenGoesOneBack",
       80,
       {{30, start, 110}, {50, end}, {62, signal}, {61, board}},
       {12, 19, 25, 60}},
      {"SignalRightAfterTheEnd",
       80,
       {{30, start, 30}, {50, end}, {51, signal}},
       {12, 19, 25, 38, 46, 49}},
      {"BothTakenGives13AtTheEnd",
       80,
       {{30, start, 110}, {50, end}, {62, signal}, {61, board}, {60, board}},
       {12, 19, 25},
       13,
       2500},
      {"SearchReachesTheLastCell",
       60,
       {{30, start, 110}, {50, end}, {59, signal}},
       {12, 19, 25, 58}},
  });
}

// A fast slowdown has no walk along it; its search for the next signal
// starts from its own end cell, whatever an earlier slowdown's walk left.
TEST(MarkerPass, FastSlowdownSearchesFromItsOwnEnd) {
  run_cases({
      {"AfterASlowSlowdown",
       150,
       {{30, start, 30}, {40, end}, {45, signal}, {100, start, 120}, {120, end}, {125, signal}},
       {12, 19, 25, 38, 44, 82, 89, 95, 124}},
      {"EndNotFoundSearchesFromTheLastCell",
       60,
       {{50, start, 120}, {59, signal}},
       {32, 39, 45, 58}},
  });
}

TEST(MarkerPass, LaterFailureOverwritesTheRegister) {
  scenario s = model(60, {{8, start, 110},
                          {9, end},
                          {3, board},
                          {2, board},
                          {1, board},
                          {40, warning},
                          {35, signal},
                          {34, board},
                          {33, board}});
  s.status_code = 15;
  s.status_position = 7;
  signal_marker_pass(s);
  EXPECT_EQ(s.status_code, 11);
  EXPECT_EQ(s.status_position, 1750);
}

TEST(MarkerPass, MarkKeepsTheCellsOtherFields) {
  scenario s = model(40, {{30, warning}, {29, signal}});
  s.track_cells[28].kind = code(cell_kind::backdrop_mark);
  s.track_cells[28].value2 = 7;
  s.track_cells[28].approach = 31;
  s.track_cells[28].gradient = 78;
  signal_marker_pass(s);
  EXPECT_EQ(s.track_cells[28].kind, code(mark));
  EXPECT_EQ(s.track_cells[28].value1, 180);
  EXPECT_EQ(s.track_cells[28].value2, 7);
  EXPECT_EQ(s.track_cells[28].approach, 31);
  EXPECT_EQ(s.track_cells[28].gradient, 78);
}

TEST(MarkerPass, ModelWithoutCellsIsLeftAlone) {
  scenario s;
  signal_marker_pass(s);
  EXPECT_TRUE(s.track_cells.empty());
  EXPECT_EQ(s.status_code, 0);
}

}  // namespace
}  // namespace scn
