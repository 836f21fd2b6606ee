// The line half of the compiler, driven over small line descriptions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "compiler/compile_fixture.h"
#include "compiler/compile_status.h"
#include "formats/plan_file.h"
#include "model/cell_kind.h"

namespace scn {
namespace {

using testing::compile;
using testing::crlf;
using testing::empty_train;
using testing::line_text;

TEST(LineCompiler, StatusesThatEndTheCompiler) {
  const struct {
    const char* name;
    std::string line;
    std::int32_t status;
  } cases[] = {
      {"file ends at [generale]", crlf({"[generale]"}), status_no_generale},
      {"no [generale]", crlf({"lunghezza percorso, 1000", "[curve]"}), status_no_generale},
      {"length above 1000000", crlf({"[generale]", "lunghezza percorso, 1000001", "[curve]"}),
       status_line_too_long},
      {"repetition first value", crlf({"[generale]", "ripetizione segnali 4 codici, 75, 0", "x"}),
       status_repetition_first},
      {"repetition second value",
       crlf({"[generale]", "ripetizione segnali 4 codici, 100, 75", "x"}),
       status_repetition_second},
      {"repetition without 4 or 9",
       crlf({"[generale]", "ripetizione segnali codici, 100, 200", "x"}), status_repetition_code},
      {"curve class 7", line_text({"curvad7,  2150,  100"}), status_bad_curve},
      {"walk passing 1000000 m", line_text({"curvad4,  999000,  5000"}, 1000000), status_bad_curve},
  };
  for (const auto& c : cases) {
    auto r = compile(c.line);
    EXPECT_EQ(r.s.status_code, c.status) << c.name;
    EXPECT_FALSE(r.files.exists(description::line)) << c.name;
    EXPECT_TRUE(r.files.exists(description::train)) << c.name;  // the train half never ran
  }
}

TEST(LineCompiler, MissingFileTouchesNothing) {
  auto r = compile(std::nullopt);
  EXPECT_EQ(r.s.status_code, status_no_line_file);
  EXPECT_TRUE(r.files.exists(description::train));
  EXPECT_TRUE(r.s.track_cells.empty());
  EXPECT_EQ(r.s.items[line_row].text, "BORGOLAGO-CIMAPASSO");
  EXPECT_EQ(r.s.items[train_row].text, "51827");
}

TEST(LineCompiler, InputFailuresTakeTheFailurePath) {
  std::string eighty_one_boards;
  for (int i = 0; i < 81; ++i)
    eighty_one_boards += "cartello_indicatore, " + std::to_string(1000 + 50 * i) + ", (x)\r\n";
  const struct {
    const char* name;
    std::string line;
  } cases[] = {
      {"not a number", line_text({"pendenza,  85O,   4"})},
      {"record cut short by the end",
       crlf({"[generale]", "lunghezza percorso, 1000", "[curve]", "pendenza, 99999"})},
      {"body record before the length", crlf({"[generale]", "[curve]", "pendenza, 850, 4", "x"})},
      {"no length at all", crlf({"[generale]", "sfondo uno, 1", "[curve]", "[fine]"})},
      {"81st text board", line_text({eighty_one_boards})},
      {"stripes beyond 16 bits", line_text({"indicatori_vmax, 600, 90, 95, 95, 40000, , , , 0"})},
      {"packed speed beyond 16 bits", line_text({"indicatori_vmax, 600, 1700, 0, 0, 0, , , , 0"})},
      {"length leaving no cells", crlf({"[generale]", "lunghezza percorso, -7026", "[curve]"})},
  };
  auto eighty = compile(line_text({eighty_one_boards.substr(eighty_one_boards.find("\r\n") + 2)}));
  EXPECT_EQ(eighty.s.status_code, 0);
  EXPECT_EQ(eighty.s.items[1].text, "(x)");
  for (const auto& c : cases) {
    auto r = compile(c.line);
    EXPECT_EQ(r.s.status_code, status_input_failure) << c.name;
    EXPECT_FALSE(r.files.exists(description::line)) << c.name;
    EXPECT_FALSE(r.files.exists(description::train)) << c.name;
  }
}

TEST(LineCompiler, LengthSizesTheModel) {
  auto r = compile(line_text({}, 1000000));
  EXPECT_EQ(r.s.status_code, 0);
  EXPECT_EQ(r.s.last_cell, 20140);
  EXPECT_EQ(r.s.items[run_row].end, 1000000);

  auto shipped = compile(line_text({}));
  EXPECT_EQ(shipped.s.plan_length, 107000);
  EXPECT_EQ(shipped.s.track_cells.size(), 2141u);
  EXPECT_EQ(encode_plan_file(shipped.s.plan).size(), 2139964u);
  EXPECT_FALSE(shipped.files.exists(description::line));
}

TEST(LineCompiler, GeneralRecords) {
  auto r = compile(crlf({"[generale]", "- a comment line", "lunghezza percorso,    100000",
                         "progressiva chilometrica uno,    0, 100, 0",
                         "progressiva chilometrica due,    5000, 200, 0",
                         "progressiva chilometrica tre,    2000, 300, 1",
                         "Progressiva chilometrica uno,    7000, 300, 1", "sfondo uno,    1",
                         "sfondo due,    20000", "sfondo tre,    30500",
                         "ripetizione segnali 4 codici,    100    ,2000", "[curve]", "[fine]"}));
  EXPECT_EQ(r.s.status_code, 0);
  const auto& items = r.s.items;
  EXPECT_EQ(items[km_reference_tre_row].start, 5000);
  EXPECT_EQ(items[km_reference_due_row].start, 2000);
  EXPECT_EQ(items[km_reference_due_row].end, 400);  // third value 1 adds 100
  EXPECT_EQ(items[km_reference_uno_row].start, 0);
  EXPECT_EQ(items[line_row].start, 1);
  EXPECT_EQ(items[line_row].position, 20000);
  EXPECT_EQ(items[line_row].end, 30500);
  EXPECT_EQ(items[train_row].start, 100);
  EXPECT_EQ(items[train_row].end, 2000);
  EXPECT_EQ(items[train_row].position, 4);
}

TEST(LineCompiler, RepetitionCodeCount) {
  const struct {
    const char* record;
    std::int32_t position;
  } cases[] = {{"ripetizione segnali 9 codici, 100, 0", 0},
               {"ripetizione segnali 9 codici, 100, 50", 9},
               {"ripetizione segnali 4 e 9 codici, 0, 50", 4},
               {"ripetizione segnali 4 codici,    0    ,0", 0}};
  for (const auto& c : cases) {
    auto r = compile(crlf({"[generale]", "lunghezza percorso, 1000", c.record, "[curve]"}));
    EXPECT_EQ(r.s.status_code, 0) << c.record;
    EXPECT_EQ(r.s.items[train_row].position, c.position) << c.record;
  }
}

TEST(LineCompiler, BracketedFieldClosingTheGeneralPartIsNotARecord) {
  auto r = compile(
      crlf({"[generale]", "lunghezza percorso, 1000", "[lunghezza percorso]", "5000", "[fine]"}));
  EXPECT_EQ(r.s.status_code, 0);
  EXPECT_EQ(r.s.items[run_row].end, 1000);
}

TEST(LineCompiler, GradientFillAndTail) {
  auto r = compile(line_text({"pendenza,  850,   4", "pendenza,  2150,   7"}));
  const auto& cells = r.s.track_cells;
  for (int i = 0; i <= 16; ++i) EXPECT_EQ(cells[i].gradient, 100) << i;
  for (int i = 17; i <= 42; ++i) EXPECT_EQ(cells[i].gradient, 104) << i;
  for (int i = 43; i <= 2137; ++i) ASSERT_EQ(cells[i].gradient, 107) << i;
  for (int i = 2138; i <= 2140; ++i) EXPECT_EQ(cells[i].gradient, 0) << i;

  auto same_cell =
      compile(line_text({"pendenza, 100, -5", "pendenza, 110, -22", "pendenza, 200, 3"}));
  const auto& c = same_cell.s.track_cells;
  EXPECT_EQ(c[0].gradient, 100);
  EXPECT_EQ(c[1].gradient, 100);
  EXPECT_EQ(c[2].gradient, 95);  // the second record still writes one cell with -5
  EXPECT_EQ(c[3].gradient, 78);
  EXPECT_EQ(c[4].gradient, 103);
}

TEST(LineCompiler, RecordBeyondTheLineEndsReadingOnly) {
  auto r = compile(line_text({"pendenza, 850, 4", "pendenza, 106901, 9", "pendenza, 900, 20"}));
  EXPECT_EQ(r.s.status_code, status_beyond_line);
  EXPECT_EQ(r.s.status_position, 106901);
  EXPECT_FALSE(r.files.exists(description::line));
  EXPECT_EQ(r.s.track_cells[2137].gradient, 104);  // tail ran with the last gradient read
  auto edge = compile(line_text({"pendenza, 106900, 9"}));
  EXPECT_EQ(edge.s.status_code, 0);
}

TEST(LineCompiler, TextBoards) {
  auto r = compile(
      line_text({"montagna, 30900, 31200, 11", "cartello_indicatore, 31000, (Galleria)  (Mt. 100)",
                 "cartello_indicatore, 31100, (Ponte)", "indicatori_vmax, 1200, 90, , , , , , , ",
                 "cartello_indicatore, 1200, (refused)"}));
  EXPECT_EQ(r.s.status_code, status_board_cell_taken);
  EXPECT_EQ(r.s.status_position, 1200);
  const auto& cells = r.s.track_cells;
  EXPECT_EQ(cells[621].kind, code(cell_kind::text_board));  // replaced the backdrop mark
  EXPECT_EQ(cells[621].value1, 80);
  EXPECT_EQ(cells[623].value1, 79);
  EXPECT_EQ(r.s.items[80].text, "(Galleria)  (Mt. 100)");
  EXPECT_EQ(r.s.items[79].text, "(Ponte)");
  EXPECT_EQ(r.s.items[78].text, "");
  EXPECT_EQ(cells[25].kind, code(cell_kind::speed_boards));
  EXPECT_EQ(cells[2137].gradient, 0);  // a refusal skips the tails
}

TEST(LineCompiler, BackdropSpansAndSpeedPosts) {
  auto r = compile(line_text({"montagna,   43300,  43700,  12", "montagna,   43750,  43900,  1",
                              "indicatori_vmax,  600,  90,  95,  95,  0,  ,  ,  ,  0",
                              "indicatori_vmax,  1000,  80,  95,  95,  0,  ,  ,  ,  0",
                              "cartello_indicatore, 1000, (x)"}));
  const auto& cells = r.s.track_cells;
  EXPECT_EQ(cells[866].backdrop, 2);
  EXPECT_EQ(cells[869].kind, code(cell_kind::backdrop_mark));
  EXPECT_EQ(cells[875].backdrop, 3);  // 50 m after the previous span
  EXPECT_EQ(r.s.backdrop_count, 2);
  EXPECT_EQ(cells[13].kind, code(cell_kind::speed_boards));
  EXPECT_EQ(cells[13].value1, 1800);
  EXPECT_EQ(cells[13].value2, 1900);
  EXPECT_EQ(cells[13].value3, 1900);
  EXPECT_EQ(cells[13].value4, 0);
  EXPECT_EQ(r.s.status_code, status_board_cell_taken);

  auto taken = compile(line_text(
      {"cartello_indicatore, 600, (x)", "indicatori_vmax,  600,  90,  95,  95,  0,  ,  ,  ,  0"}));
  EXPECT_EQ(taken.s.status_code, 21);
  EXPECT_EQ(taken.s.status_position, 600);
  EXPECT_FALSE(taken.files.exists(description::line));
}

TEST(LineCompiler, DashLinesAndTheLastField) {
  auto r = compile(
      crlf({"[generale]", "-- comment", "lunghezza percorso, 1000", "[curve]", "- comment",
            "- comment", "pendenza, 100, 5", "- x", "- y", "- pendenza, 150, 8", "pendenza"}));
  EXPECT_EQ(r.s.status_code, 0);
  EXPECT_EQ(r.s.track_cells[1].gradient, 100);
  EXPECT_EQ(r.s.track_cells[2].gradient, 105);  // "- pendenza" was the third dash field
  EXPECT_EQ(r.s.track_cells[3].gradient, 108);  // the lone last field was dropped

  auto last_line = compile("[generale]\r\nlunghezza percorso, 1000\r\n[curve]\r\npendenza, 100, 5");
  EXPECT_EQ(last_line.s.status_code, 0);
  EXPECT_EQ(last_line.s.track_cells[5].gradient, 105);
}

TEST(LineCompiler, PlanOfALeftCurve) {
  auto r = compile(line_text({"curvas6,  1000,  100"}));
  const track_plan& p = r.s.plan;
  EXPECT_EQ(p.tag(0, 0), plan_tag::integer);
  EXPECT_EQ(p.tag(1, 1), plan_tag::integer);
  EXPECT_EQ(p.value(1, 1), 1.0);
  for (std::size_t k = 2; k <= 1000; ++k) {
    ASSERT_EQ(p.tag(k, 0), plan_tag::real);
    ASSERT_EQ(p.value(k, 0), 0.0);
    ASSERT_EQ(p.value(k, 1), static_cast<double>(k));
  }
  EXPECT_NEAR(p.value(1001, 0), -0.003, 1e-12);
  const double heading =
      std::atan2(p.value(1100, 0) - p.value(1099, 0), p.value(1100, 1) - p.value(1099, 1));
  EXPECT_NEAR(heading, -0.3, 0.01);
  EXPECT_LT(p.value(1100, 0), -14.0);
  EXPECT_EQ(p.tag(106998, 0), plan_tag::real);
  EXPECT_EQ(p.tag(106999, 0), plan_tag::empty);
  EXPECT_EQ(p.tag(107000, 1), plan_tag::empty);

  auto right = compile(line_text({"CURVAD14,  1000,  100"}));  // class 1, right-hand
  EXPECT_NEAR(right.s.plan.value(1001, 0), 0.0001, 1e-12);
}

TEST(LineCompiler, WithoutThePlanCurvesAreNotRecords) {
  auto r = compile(line_text({"curvad7,  2150,  100", "pendenza, 850, 4"}), empty_train, 0);
  EXPECT_EQ(r.s.status_code, 0);
  EXPECT_FALSE(r.s.plan.exists());
  EXPECT_EQ(r.s.track_cells[17].gradient, 104);
}

TEST(LineCompiler, AcceptsBareLineFeeds) {
  std::string text = line_text({"pendenza,  850,   4"});
  std::string lf;
  for (char c : text)
    if (c != '\r') lf += c;
  auto r = compile(lf);
  EXPECT_EQ(r.s.status_code, 0);
  EXPECT_EQ(r.s.track_cells[17].gradient, 104);
}

}  // namespace
}  // namespace scn
