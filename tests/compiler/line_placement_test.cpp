// Line placement routines: reference ordering, backdrop spans, speed posts.
#include "compiler/line_placement.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>

#include "compiler/input_failure.h"
#include "compiler/smaller_value.h"
#include "model/cell_kind.h"

namespace scn {
namespace {

using triple = std::array<std::int32_t, 3>;

// References as read: `uno` into row 83, `due` into 82, `tre` into 81.
// Returns rows 81, 82, 83 after ordering.
std::array<triple, 3> ordered(const triple& uno, const triple& due, const triple& tre) {
  scenario s;
  const auto put = [&s](int row, const triple& t) {
    s.items[row].start = t[0];
    s.items[row].end = t[1];
    s.items[row].position = t[2];
  };
  put(km_reference_uno_row, uno);
  put(km_reference_due_row, due);
  put(km_reference_tre_row, tre);
  progressive_ordina(s);
  std::array<triple, 3> out{};
  for (int i = 0; i < 3; ++i) {
    const auto& r = s.items[km_reference_tre_row + i];
    out[i] = {r.start, r.end, r.position};
  }
  return out;
}

TEST(ProgressiveOrdina, OrdersTheThreeReferences) {
  const triple zero{0, 0, 0};
  const struct {
    const char* name;
    triple uno, due, tre;
    std::array<triple, 3> rows;  // 81, 82, 83
  } cases[] = {
      {"all zero", zero, zero, zero, {zero, zero, zero}},
      {"largest first",
       {0, 100, 0},
       {5000, 200, 0},
       {2000, 300, 0},
       {triple{5000, 200, 0}, triple{2000, 300, 0}, triple{0, 100, 0}}},
      {"shared largest clears all",
       {3000, 50, 0},
       {3000, 100, 0},
       {1000, 150, 0},
       {zero, zero, zero}},
      {"equal smaller values keep uno before due",
       {1000, 1, 0},
       {1000, 2, 0},
       {5000, 3, 0},
       {triple{5000, 3, 0}, triple{1000, 1, 0}, triple{1000, 2, 0}}},
      {"first values zero, tre second set: nothing moves",
       zero,
       zero,
       {0, 1500, 0},
       {triple{0, 1500, 0}, zero, zero}},
      {"first values zero, uno second set: 81 and 83 exchange",
       {0, 1500, 7},
       zero,
       {0, 900, 8},
       {triple{0, 1500, 7}, zero, triple{0, 900, 8}}},
      {"first values zero, due second set: 81 and 82 exchange",
       {0, -50, 0},
       {0, 400, 2},
       {0, 900, 8},
       {triple{0, 400, 2}, triple{0, 900, 8}, triple{0, -50, 0}}},
      {"first values zero, no positive second: cleared",
       {0, -50, 3},
       {0, 0, 4},
       {0, 0, 5},
       {zero, zero, zero}},
      {"first values summing to zero use the second values",
       {100, 0, 0},
       {-100, 700, 0},
       zero,
       {triple{-100, 700, 0}, zero, triple{100, 0, 0}}},
      {"third value 1 adds 100 to the second",
       {4000, 2000, 1},
       {0, 0, 0},
       {0, 0, 0},
       {triple{4000, 2100, 1}, zero, zero}},
  };
  for (const auto& c : cases) EXPECT_EQ(ordered(c.uno, c.due, c.tre), c.rows) << c.name;
}

TEST(ProgressiveOrdina, RaisedSecondValueBeyond32BitsIsAnInputFailure) {
  EXPECT_THROW(ordered({5, 2147483600, 1}, {0, 0, 0}, {0, 0, 0}), input_failure);
}

scenario line_of(std::int32_t length) {
  scenario s;
  dimension(s, length);
  return s;
}

void span(scenario& s, std::int32_t inizio, std::int32_t fine, std::int32_t tipo) {
  memo_montagna(s, inizio, fine, tipo);
}

TEST(MemoMontagna, MarkedSpanAndJoinedSpan) {
  scenario s = line_of(100000);
  s.track_cells[873].kind = code(cell_kind::text_board);
  std::int32_t inizio = 43300, fine = 43700, tipo = 12;
  memo_montagna(s, inizio, fine, tipo);
  EXPECT_EQ(tipo, 2);
  for (int i = 866; i <= 873; ++i) EXPECT_EQ(s.track_cells[i].backdrop, 2) << i;
  EXPECT_EQ(s.track_cells[865].backdrop, 0);
  EXPECT_EQ(s.track_cells[874].backdrop, 0);
  EXPECT_EQ(s.track_cells[869].kind, code(cell_kind::backdrop_mark));
  EXPECT_EQ(s.track_cells[873].kind, code(cell_kind::text_board));  // only empty cells are marked
  for (int i : {866, 867, 868, 870, 871, 872}) EXPECT_EQ(s.track_cells[i].kind, 0) << i;

  span(s, 47300 - 50 - 200, 47250, 1);  // ends 50 m before the next span
  span(s, 47300, 47450, 11);
  for (int i = 946; i <= 948; ++i) EXPECT_EQ(s.track_cells[i].backdrop, 3) << i;
  for (int i = 946; i <= 948; ++i) EXPECT_EQ(s.track_cells[i].kind, 0) << i;
  EXPECT_EQ(s.backdrop_count, 3);
  EXPECT_EQ(s.backdrop_starts[3], 47300);
  EXPECT_EQ(s.backdrop_ends[3], 47450);
}

TEST(MemoMontagna, GapRuleAndCellRange) {
  scenario s = line_of(100000);
  span(s, 31050, 31150, 1);
  EXPECT_EQ(s.track_cells[620].backdrop, 0);
  EXPECT_EQ(s.track_cells[621].backdrop, 1);
  EXPECT_EQ(s.track_cells[622].backdrop, 1);
  EXPECT_EQ(s.track_cells[623].backdrop, 0);
  span(s, 31301, 31400, 2);  // 151 m after: keeps its type
  EXPECT_EQ(s.track_cells[626].backdrop, 2);
  span(s, 31550, 31600, 1);  // exactly 150 m after: type 3
  EXPECT_EQ(s.track_cells[631].backdrop, 3);
  span(s, 40000, 40000, 2);  // first index above the last: stored, nothing laid
  EXPECT_EQ(s.backdrop_count, 4);
  EXPECT_EQ(s.track_cells[800].backdrop, 0);
}

TEST(MemoMontagna, SpanPastTheModelCountsSkippedCells) {
  scenario s = line_of(0);  // cells 0 to 140
  span(s, -100, 200, 12);   // indices -2 to 3: the fourth count falls on cell 1
  EXPECT_EQ(s.track_cells[0].backdrop, 2);
  EXPECT_EQ(s.track_cells[1].kind, code(cell_kind::backdrop_mark));
  EXPECT_EQ(s.track_cells[0].kind, 0);
  span(s, 6900, 9000, 1);  // clipped at cell 140
  EXPECT_EQ(s.track_cells[140].backdrop, 1);
}

TEST(MemoMontagna, EightyFirstSpanIsAnInputFailure) {
  scenario s = line_of(100000);
  for (int i = 0; i < 80; ++i) span(s, 1000 * i, 1000 * i + 100, 1);
  EXPECT_THROW(span(s, 90000, 90100, 1), input_failure);
}

struct post {
  std::int32_t posizione, vas, vbs, vcs;
  std::int16_t strisces;
  std::int32_t vad, vbd, vcd;
  std::int16_t strisced;
};

void place(scenario& s, post p) {
  memo_indicatori_v_max(s, p.posizione, p.vas, p.vbs, p.vcs, p.strisces, p.vad, p.vbd, p.vcd,
                        p.strisced);
}

TEST(MemoIndicatoriVMax, PacksSpeedsAndStripes) {
  scenario s = line_of(100000);
  place(s, {600, 90, 95, 95, 0, 0, 0, 0, 0});
  const track_cell& c = s.track_cells[13];
  EXPECT_EQ(c.kind, code(cell_kind::speed_boards));
  EXPECT_EQ(c.value1, 1800);
  EXPECT_EQ(c.value2, 1900);
  EXPECT_EQ(c.value3, 1900);
  EXPECT_EQ(c.value4, 0);
  EXPECT_EQ(s.status_code, 0);

  s.track_cells[41].kind = code(cell_kind::backdrop_mark);
  place(s, {2000, 100, 80, 60, 3, 60, 42, 43, 2});
  const track_cell& d = s.track_cells[41];
  EXPECT_EQ(d.kind, code(cell_kind::speed_boards));
  EXPECT_EQ(d.value1, 2012);
  EXPECT_EQ(d.value2, 1608);  // 42 / 5 = 8.4
  EXPECT_EQ(d.value3, 1209);  // 43 / 5 = 8.6
  EXPECT_EQ(d.value4, 32);
}

TEST(MemoIndicatoriVMax, TakenCellIsRefusedWith21) {
  for (const auto kind : {cell_kind::text_board, cell_kind::signal, cell_kind::speed_boards}) {
    scenario s = line_of(100000);
    s.track_cells[13].kind = code(kind);
    s.track_cells[13].value1 = 77;
    place(s, {600, 90, 95, 95, 0, 0, 0, 0, 0});
    EXPECT_EQ(s.status_code, status_speed_post_cell_taken);
    EXPECT_EQ(s.track_cells[13].value1, 77);
  }
  scenario s = line_of(0);
  place(s, {7000, 90, 95, 95, 0, 0, 0, 0, 0});  // cell 141, past the model
  EXPECT_EQ(s.status_code, status_speed_post_cell_taken);
}

TEST(MemoIndicatoriVMax, ValuesBeyond16BitsFailWithoutWriting) {
  const post too_big[] = {
      {600, 1639, 0, 0, 0, 0, 0, 0, 0},    // 32780
      {600, 0, 0, -1639, 0, 0, 0, 0, 0},   // -32780
      {600, 0, 0, 0, 3277, 0, 0, 0, 0},    // stripes * 10 = 32770
      {600, 0, 0, 0, 3276, 0, 0, 0, 8},    // 32760 + 8
      {600, 0, 1638, 0, 0, 0, 100, 0, 0},  // 32760 + 20
  };
  for (const auto& p : too_big) {
    scenario s = line_of(100000);
    EXPECT_THROW(place(s, p), input_failure);
    EXPECT_EQ(s.track_cells[13], track_cell{});
  }
  scenario s = line_of(100000);
  place(s, {600, 1638, 0, 0, 3276, 35, 0, 0, 7});
  EXPECT_EQ(s.track_cells[13].value1, 32767);
  EXPECT_EQ(s.track_cells[13].value4, 32767);
}

TEST(Minimo, SmallerValueAndFirstOnATie) {
  EXPECT_EQ(minimo(180, 200), 180);
  EXPECT_EQ(minimo(200, 180), 180);
  EXPECT_EQ(minimo(std::int16_t{-3}, std::int16_t{4}), -3);
  const double zero = 0.0, negative_zero = -0.0;
  EXPECT_FALSE(std::signbit(minimo(zero, negative_zero)));  // a tie keeps the first
  EXPECT_TRUE(std::signbit(minimo(negative_zero, zero)));
}

}  // namespace
}  // namespace scn
