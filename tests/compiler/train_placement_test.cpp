// Signals and slowdowns placed into the track cells: values, approach codes,
// warning cells and the refusals with the cells each leaves behind.
#include "compiler/train_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "model/cell_kind.h"

namespace scn {
namespace {

constexpr std::uint8_t k_signal = code(cell_kind::signal);
constexpr std::uint8_t k_end = code(cell_kind::slowdown_end);
constexpr std::uint8_t k_start = code(cell_kind::slowdown_start);
constexpr std::uint8_t k_warning = code(cell_kind::slowdown_warning);
constexpr std::uint8_t k_pre_warning = code(cell_kind::warning_approach);

class TrainPlacement : public ::testing::Test {
 protected:
  void SetUp() override {
    s = scenario{};
    dimension(s, 40000);  // cells 0..940
  }
  track_cell& cell(std::size_t i) { return s.track_cells[i]; }
  scenario s;
};

struct signal_case {
  const char* name;
  std::int32_t posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo;
  std::size_t cell;
  std::int16_t value1, value2, value3, value4;
  std::uint8_t timer;
  std::uint8_t approach[4];  // on cells cell-2, cell-4, cell-6, cell-8
};

const signal_case signal_cases[] = {
    {"PlainSignalAt2450", 2450, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 50, 30, 0, 0, 3, 0, {31, 32, 33, 34}},
    {"TimedSignalAt3650",
     3650,
     2,
     2,
     3,
     0,
     0,
     0,
     0,
     0,
     0,
     201,
     74,
     20,
     30,
     0,
     6,
     201,
     {61, 62, 63, 64}},
    {"EveryFieldPacked",
     5000,
     1,
     4,
     5,
     6,
     7,
     2,
     1,
     2,
     3,
     0,
     101,
     41,
     52,
     63,
     75,
     0,
     {51, 52, 53, 54}},
    {"PackedValuesWrapTo16Bits",
     5000,
     0,
     4000,
     0,
     0,
     0,
     0,
     0,
     0,
     0,
     0,
     101,
     -25536,
     0,
     0,
     0,
     0,
     {1, 2, 3, 4}},
    {"ApproachCodesWrapTo8Bits",
     5000,
     9,
     0,
     0,
     0,
     0,
     0,
     0,
     0,
     0,
     0,
     101,
     0,
     0,
     0,
     27,
     0,
     {15, 16, 17, 18}},
};

TEST_F(TrainPlacement, SignalCellAndApproachCodes) {
  for (const auto& t : signal_cases) {
    SCOPED_TRACE(t.name);
    SetUp();
    std::int32_t tempo = t.tempo;
    memo_segnale(s, t.posizione, t.sx, t.s1, t.s2, t.s3, t.rapp, t.dx, t.d1, t.d2, t.d3, tempo);
    EXPECT_EQ(s.status_code, 0);
    const track_cell& c = cell(t.cell);
    EXPECT_EQ(c.kind, k_signal);
    EXPECT_EQ(c.value1, t.value1);
    EXPECT_EQ(c.value2, t.value2);
    EXPECT_EQ(c.value3, t.value3);
    EXPECT_EQ(c.value4, t.value4);
    EXPECT_EQ(c.timer, t.timer);
    for (std::size_t k = 1; k <= 4; ++k) {
      EXPECT_EQ(cell(t.cell - 2 * k).approach, t.approach[k - 1]) << "k " << k;
      EXPECT_EQ(cell(t.cell - 2 * k + 1).approach, 0) << "odd cell before k " << k;
    }
    EXPECT_EQ(cell(t.cell - 10).approach, 0);
  }
}

TEST_F(TrainPlacement, SignalTempoRaiseAndTimer) {
  struct {
    std::int32_t sx, tempo, tempo_after;
    std::uint8_t timer;
  } cases[] = {
      {2, 50, 101, 101}, {2, 1, 101, 101}, {2, 100, 101, 101}, {2, 101, 101, 101},
      {2, 0, 0, 0},      {2, -5, -5, 251}, {2, 300, 300, 44},  {1, 201, 201, 0},
      {1, 50, 101, 0},   {3, 201, 201, 0},
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(testing::Message() << "sx " << t.sx << " tempo " << t.tempo);
    SetUp();
    std::int32_t tempo = t.tempo;
    memo_segnale(s, 3650, t.sx, 0, 0, 0, 0, 0, 0, 0, 0, tempo);
    EXPECT_EQ(tempo, t.tempo_after);
    EXPECT_EQ(cell(74).timer, t.timer);
  }
}

TEST_F(TrainPlacement, SignalReplacesBackdropMarkAndKeepsStretchFields) {
  cell(50).kind = code(cell_kind::backdrop_mark);
  cell(50).gradient = 78;
  cell(48).approach = 84;  // a station's approach code is overwritten
  std::int32_t tempo = 0;
  memo_segnale(s, 2450, 1, 3, 0, 0, 0, 0, 0, 0, 0, tempo);
  EXPECT_EQ(s.status_code, 0);
  EXPECT_EQ(cell(50).kind, k_signal);
  EXPECT_EQ(cell(50).gradient, 78);
  EXPECT_EQ(cell(48).approach, 31);
}

TEST_F(TrainPlacement, SignalRefusedOnTakenCellWritesNothing) {
  for (const auto kind : {cell_kind::station_stop, cell_kind::signal, cell_kind::reduction_mark}) {
    SCOPED_TRACE(cell_kind_name(code(kind)));
    SetUp();
    cell(50).kind = code(kind);
    const auto before = s.track_cells;
    std::int32_t tempo = 50;
    memo_segnale(s, 2450, 2, 3, 0, 0, 0, 0, 0, 0, 0, tempo);
    EXPECT_EQ(s.status_code, 16);
    EXPECT_EQ(s.status_position, 0);
    EXPECT_EQ(tempo, 50);
    EXPECT_EQ(s.track_cells, before);
  }
}

TEST_F(TrainPlacement, SignalOutsideTheModelIsRefused) {
  std::int32_t tempo = 0;
  memo_segnale(s, 47000, 1, 3, 0, 0, 0, 0, 0, 0, 0, tempo);  // cell 941, one past the last
  EXPECT_EQ(s.status_code, 16);
}

TEST_F(TrainPlacement, SignalNearTheStartSkipsApproachCellsBeforeCellZero) {
  std::int32_t tempo = 0;
  memo_segnale(s, 100, 1, 3, 0, 0, 0, 0, 0, 0, 0, tempo);  // cell 3: approach on 1, -1, -3, -5
  EXPECT_EQ(s.status_code, 0);
  EXPECT_EQ(cell(3).kind, k_signal);
  EXPECT_EQ(cell(1).approach, 31);
  EXPECT_EQ(cell(0).approach, 0);
  EXPECT_EQ(cell(2).approach, 0);
}

struct slowdown_expectation {
  std::size_t cell;
  std::uint8_t kind;
  std::int16_t value1, value2, value3;
};

void expect_cells(const scenario& s, const std::vector<slowdown_expectation>& cells) {
  for (const auto& e : cells) {
    SCOPED_TRACE(testing::Message() << "cell " << e.cell);
    const track_cell& c = s.track_cells[e.cell];
    EXPECT_EQ(c.kind, e.kind);
    EXPECT_EQ(c.value1, e.value1);
    EXPECT_EQ(c.value2, e.value2);
    EXPECT_EQ(c.value3, e.value3);
  }
}

TEST_F(TrainPlacement, SlowdownWithWarningButNoPreWarning) {
  memo_rallentamento(s, 38950, 75, 350, 1, 0, 0);
  EXPECT_EQ(s.status_code, 0);
  expect_cells(s, {{756, k_warning, 75, 0, 0},
                   {780, k_start, 75, 0, 1},
                   {787, k_end, 75, 0, 1},
                   {755, 0, 0, 0, 0},
                   {752, 0, 0, 0, 0}});
}

TEST_F(TrainPlacement, SlowdownWithPreWarningAndDvalue) {
  memo_rallentamento(s, 38950, 75, 350, 1, 1, 60);
  EXPECT_EQ(s.status_code, 0);
  expect_cells(s, {{756, k_warning, 75, 60, 0},
                   {780, k_start, 75, 60, 1},
                   {787, k_end, 75, 60, 1},
                   {755, k_pre_warning, 1, 1, 0},
                   {754, k_pre_warning, 2, 2, 0},
                   {753, k_pre_warning, 3, 3, 0},
                   {752, k_pre_warning, 4, 4, 0},
                   {751, 0, 0, 0, 0}});
}

TEST_F(TrainPlacement, PreWarningCellsWithoutDvalueKeepValue2) {
  cell(754).kind = code(cell_kind::backdrop_mark);
  cell(754).value2 = 9;  // a free cell's other fields are not cleared
  memo_rallentamento(s, 38950, 75, 350, 1, 1, 0);
  expect_cells(s, {{755, k_pre_warning, 1, 0, 0}, {754, k_pre_warning, 2, 9, 0}});
}

TEST_F(TrainPlacement, NoWarningUpTo1500Metres) {
  cell(7).kind = k_signal;  // where a warning would stand: not tested, not touched
  memo_rallentamento(s, 1500, 60, 100, 0, 1, 0);
  EXPECT_EQ(s.status_code, 0);
  expect_cells(s, {{31, k_start, 60, 0, 0}, {33, k_end, 60, 0, 0}, {7, k_signal, 0, 0, 0}});
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(cell(i).kind, 0) << "cell " << i;
}

TEST_F(TrainPlacement, WarningAt1550StandsOnCell8) {
  memo_rallentamento(s, 1550, 60, 100, 0, 1, 0);
  EXPECT_EQ(s.status_code, 0);
  expect_cells(s, {{8, k_warning, 60, 0, 0},
                   {7, k_pre_warning, 1, 0, 0},
                   {4, k_pre_warning, 4, 0, 0},
                   {3, 0, 0, 0, 0},
                   {32, k_start, 60, 0, 0},
                   {34, k_end, 60, 0, 0}});
}

TEST_F(TrainPlacement, SlowdownOfLengthZeroEndsAsStart) {
  memo_rallentamento(s, 38950, 75, 0, 2, 0, 0);
  expect_cells(s, {{780, k_start, 75, 0, 2}});
}

TEST_F(TrainPlacement, SlowdownRefusedBeforeWritingLeavesTheModelUntouched) {
  struct {
    const char* name;
    std::size_t taken;
    std::int32_t l;
    std::int32_t status;
  } cases[] = {
      {"WarningCellTaken", 756, 350, 17},
      {"StartCellTaken", 780, 350, 18},
      {"EndCellTaken", 787, 350, 19},
      {"EndBeyondTheModel", 0, 8050, 19},      // cell 941, one past the last
      {"EndFarBeyond32Bits", 0, INT_MAX, 19},  // x + l computed without overflow
      {"EndBeforeCellZero", 0, -40000, 19},
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(t.name);
    SetUp();
    if (t.taken != 0) cell(t.taken).kind = k_signal;
    const auto before = s.track_cells;
    memo_rallentamento(s, 38950, 75, t.l, 1, 1, 60);
    EXPECT_EQ(s.status_code, t.status);
    EXPECT_EQ(s.track_cells, before);
  }
}

TEST_F(TrainPlacement, PreWarningRefusalKeepsStartEndAndWarning) {
  cell(753).kind = code(cell_kind::text_board);
  memo_rallentamento(s, 38950, 75, 350, 1, 1, 60);
  EXPECT_EQ(s.status_code, 20);
  EXPECT_EQ(s.status_position, 0);
  expect_cells(s, {{756, k_warning, 75, 60, 0},
                   {780, k_start, 75, 60, 1},
                   {787, k_end, 75, 60, 1},
                   {755, 0, 0, 0, 0},
                   {754, 0, 0, 0, 0},
                   {753, code(cell_kind::text_board), 0, 0, 0}});
}

TEST_F(TrainPlacement, SlowdownValuesWrapTo16Bits) {
  memo_rallentamento(s, 38950, 70000, 350, 65537, 0, -1);
  expect_cells(s, {{780, k_start, 4464, -1, 1}});
}

}  // namespace
}  // namespace scn
