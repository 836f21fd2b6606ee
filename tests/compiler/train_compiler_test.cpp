// The train half of the compiler, driven over small train descriptions.
#include <gtest/gtest.h>

#include <string>

#include "compiler/compile_fixture.h"
#include "compiler/compile_status.h"
#include "model/cell_kind.h"

namespace scn {
namespace {

using testing::compile;
using testing::crlf;
using testing::line_text;

const std::string plain_line = line_text({});

std::string train(std::initializer_list<std::string> records) {
  std::string out = "[generale]\r\n";
  for (const auto& r : records) out += r + "\r\n";
  return out + "[fine]\r\n";
}

std::string station(int position, int kind, int length, int extension = 0,
                    const std::string& name = "VALBRUNA") {
  return "stazione, " + std::to_string(position) + ", " + std::to_string(kind) + ", " +
         std::to_string(length) + ", 3, 1, " + std::to_string(extension) +
         ", 5, 6, 7, 8, 9, 10, 11, 8, 30, 15, " + name;
}

std::uint8_t kind_of(const scenario& s, int i) {
  return s.track_cells[i].kind;
}

TEST(TrainCompiler, GeneralData) {
  for (const char* clock :
       {"orologio,    11              3             0 ", "orologio, 11, 3, 0"}) {
    auto r = compile(plain_line, train({"percentuale massa frenata,   85", "numero vetture, 6",
                                        "sabbia, 400", clock}));
    EXPECT_EQ(r.s.status_code, 0);
    EXPECT_EQ(r.s.items[run_row].start, 85);
    EXPECT_EQ(r.s.items[run_row].position, 6);
    const auto& t = r.s.items[train_row];
    EXPECT_EQ(t.word_a, 400);
    EXPECT_EQ(t.word_c, 11);
    EXPECT_EQ(t.word_d, 3);
    EXPECT_EQ(t.word_e, 0);
    EXPECT_FALSE(r.files.exists(description::train));
  }
}

TEST(TrainCompiler, SpeedProfileAndTail) {
  auto r = compile(plain_line, train({"velocita,       0,    90", "VELOCITA,    1200,   120"}));
  const auto& c = r.s.track_cells;
  for (int i = 0; i <= 23; ++i) EXPECT_EQ(c[i].speed_limit, 18) << i;
  for (int i = 24; i <= 2137; ++i) ASSERT_EQ(c[i].speed_limit, 24) << i;
  for (int i = 2138; i <= 2140; ++i) EXPECT_EQ(c[i].speed_limit, 0) << i;

  auto late = compile(plain_line, train({"velocita, 0, 90", "velocita, 94050, 100"}));
  EXPECT_EQ(late.s.track_cells[1880].speed_limit, 18);
  EXPECT_EQ(late.s.track_cells[1881].speed_limit, 20);
  EXPECT_EQ(late.s.track_cells[2137].speed_limit, 20);
  EXPECT_EQ(late.s.track_cells[2138].speed_limit, 0);
  EXPECT_EQ(late.s.track_cells[2138].adhesion, 0);

  auto same = compile(plain_line, train({"velocita, 0, 60", "velocita, 100, 90",
                                         "velocita, 100, 120", "velocita, 200, 30"}));
  EXPECT_EQ(same.s.track_cells[1].speed_limit, 12);
  EXPECT_EQ(same.s.track_cells[2].speed_limit, 18);  // the second record at 100 still writes one
  EXPECT_EQ(same.s.track_cells[3].speed_limit, 24);
  EXPECT_EQ(same.s.track_cells[4].speed_limit, 6);
}

TEST(TrainCompiler, AdhesionProfile) {
  auto r = compile(plain_line, train({"aderenza, 0, 80", "aderenza, 500, 300"}));
  EXPECT_EQ(r.s.track_cells[9].adhesion, 80);
  EXPECT_EQ(r.s.track_cells[10].adhesion, 44);  // low byte of 300
  EXPECT_EQ(r.s.track_cells[2138].adhesion, 0);
}

TEST(TrainCompiler, Stations) {
  auto r =
      compile(plain_line, train({station(0, 8, 500, 1), station(14650, 12, 600, 0, "SAN VITO-ALTO"),
                                 station(16650, 12, 600, 1), station(30000, 28, 1000)}));
  EXPECT_EQ(r.s.status_code, 0);
  const auto& first = r.s.items[1];
  EXPECT_EQ(first.kind, 8);
  EXPECT_EQ(first.start, -500);
  EXPECT_EQ(first.end, 500);
  EXPECT_EQ(first.flag_d, 0);
  EXPECT_EQ(first.flag_e, 0);
  EXPECT_EQ(first.number, 30615);
  EXPECT_EQ(first.text, "VALBRUNA");
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(r.s.track_cells[9 - k].approach, 80 + k) << k;
  EXPECT_EQ(kind_of(r.s, 9), code(cell_kind::station_stop));
  EXPECT_EQ(r.s.track_cells[9].value1, 1);

  const auto& second = r.s.items[2];
  EXPECT_EQ(second.start, 14350);
  EXPECT_EQ(second.end, 14950);
  EXPECT_EQ(second.flag_e, 1);
  EXPECT_EQ(second.text, "SAN VITO-ALTO");
  EXPECT_EQ(kind_of(r.s, 298), code(cell_kind::station_stop));
  EXPECT_EQ(r.s.track_cells[298].value1, 2);
  for (int i = 294; i <= 297; ++i) EXPECT_EQ(r.s.track_cells[i].approach, 84 - (i - 294)) << i;

  EXPECT_EQ(r.s.items[3].end, 17000);  // the end extension
  EXPECT_EQ(kind_of(r.s, 339), code(cell_kind::station_stop));

  const auto& junction = r.s.items[4];
  EXPECT_EQ(junction.start, 29500);
  EXPECT_EQ(junction.end, 30500);
  EXPECT_EQ(kind_of(r.s, 609), 0);
  EXPECT_EQ(r.s.track_cells[605].approach, 0);
}

TEST(TrainCompiler, StationKindsFiveToEight) {
  auto r = compile(plain_line, train({station(5000, 5, 300, 1), station(8000, 7, 200, 1)}));
  EXPECT_EQ(r.s.items[1].start, 4700);
  EXPECT_EQ(r.s.items[1].end, 5150);
  EXPECT_EQ(kind_of(r.s, 102), code(cell_kind::station_stop));
  EXPECT_EQ(r.s.track_cells[101].approach, 0);  // no approach codes for kinds 5 and 6
  EXPECT_EQ(r.s.items[2].start, 7800);
  EXPECT_EQ(r.s.items[2].end, 8200);
  EXPECT_EQ(r.s.items[2].flag_d, 0);
  EXPECT_EQ(r.s.track_cells[162].approach, 81);
}

TEST(TrainCompiler, StationRefusals) {
  const struct {
    const char* name;
    std::string records;
    std::int32_t status;
    std::int32_t position;
  } cases[] = {
      {"position", train({"velocita, 0, 90", station(4525, 12, 600)}), status_station_position,
       4525},
      {"length", train({station(4500, 12, 650)}), status_station_length, 4500},
      {"too near the start", train({station(0, 12, 100)}), status_station_too_early, 0},
      {"spacing", train({station(14650, 12, 600), station(15850, 12, 1200)}),
       status_station_spacing, 15850},
  };
  for (const auto& c : cases) {
    auto r = compile(plain_line, c.records);
    EXPECT_EQ(r.s.status_code, c.status) << c.name;
    EXPECT_EQ(r.s.status_position, c.position) << c.name;
    EXPECT_FALSE(r.files.exists(description::train)) << c.name;
    EXPECT_EQ(r.s.track_cells[100].speed_limit, 0) << c.name;  // no tails after a refusal
  }
  auto spaced = compile(plain_line, train({station(14650, 12, 600), station(15900, 12, 1200)}));
  EXPECT_EQ(spaced.s.status_code, 0);  // area starting at 15300

  auto refused = compile(plain_line, train({station(4525, 12, 600)}));
  EXPECT_EQ(refused.s.items[1].position, 4525);
  EXPECT_EQ(refused.s.items[1].kind, 0);
}

TEST(TrainCompiler, StationRowsEndAtTheBoardRows) {
  std::string boards;
  for (int i = 0; i < 51; ++i)
    boards += "cartello_indicatore, " + std::to_string(31000 + 50 * i) + ", (board)\r\n";
  std::string stations;
  for (int i = 1; i <= 28; ++i) stations += station(1000 * i, 28, 100) + "\r\n";
  auto r = compile(line_text({boards}), train({stations}));
  EXPECT_EQ(r.s.status_code, status_station_rows_full);
  EXPECT_EQ(r.s.items[28].position, 28000);
  EXPECT_EQ(r.s.items[30].text, "(board)");

  std::string accepted;
  for (int i = 1; i <= 27; ++i) accepted += station(1000 * i, 28, 100) + "\r\n";
  EXPECT_EQ(compile(line_text({boards}), train({accepted})).s.status_code, 0);
}

TEST(TrainCompiler, ReductionMarks) {
  auto r = compile(line_text({"montagna,   43300,  43700,  12"}),
                   train({"abbattimento, 43450, 100", "abbattimento, 5000, 0",
                          station(14650, 12, 600), "abbattimento, 14900, 100"}));
  EXPECT_EQ(kind_of(r.s, 869), code(cell_kind::reduction_mark));
  EXPECT_EQ(r.s.track_cells[869].value1, 100);
  EXPECT_EQ(kind_of(r.s, 100), code(cell_kind::bare_reduction_mark));
  EXPECT_EQ(r.s.status_code, status_reduction_cell_taken);
  EXPECT_EQ(r.s.status_position, 14900);
}

TEST(TrainCompiler, Signals) {
  auto r = compile(plain_line, train({"segnale, 2450, 1, 3, 0, 0, 0, 0, 0,0,0, 0",
                                      "segnale, 3650, 2, 2, 3, 0, 0, 0, 0,0,0, 201",
                                      "segnale, 5000, 2, 2, 3, 0, 0, 0, 0,0,0, 50"}));
  EXPECT_EQ(r.s.status_code, 0);
  const auto& a = r.s.track_cells[50];
  EXPECT_EQ(a.kind, code(cell_kind::signal));
  EXPECT_EQ(a.value1, 30);
  EXPECT_EQ(a.value4, 3);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(r.s.track_cells[50 - 2 * k].approach, 30 + k);
  const auto& b = r.s.track_cells[74];
  EXPECT_EQ(b.value1, 20);
  EXPECT_EQ(b.value2, 30);
  EXPECT_EQ(b.value4, 6);
  EXPECT_EQ(b.timer, 201);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(r.s.track_cells[74 - 2 * k].approach, 60 + k);
  EXPECT_EQ(r.s.track_cells[101].timer, 101);
}

TEST(TrainCompiler, Slowdowns) {
  auto r = compile(
      plain_line,
      train({"rallentamento, 38950, 75, 350, 1, 0, 0", "rallentamento, 58950, 60, 350, 2, 1, 60",
             "rallentamento, 1500, 30, 100, 1, 1, 0", "rallentamento, 3550, 30, 100, 1, 1, 0"}));
  EXPECT_EQ(r.s.status_code, 0);
  const auto& c = r.s.track_cells;
  EXPECT_EQ(c[756].kind, code(cell_kind::slowdown_warning));
  EXPECT_EQ(c[756].value1, 75);
  EXPECT_EQ(c[780].kind, code(cell_kind::slowdown_start));
  EXPECT_EQ(c[787].kind, code(cell_kind::slowdown_end));
  EXPECT_EQ(c[787].value3, 1);
  EXPECT_EQ(c[780].value2, 0);
  EXPECT_EQ(c[755].kind, 0);
  for (int j = 0; j < 4; ++j) {
    EXPECT_EQ(c[1155 - j].kind, code(cell_kind::warning_approach));
    EXPECT_EQ(c[1155 - j].value2, j + 1);
  }
  EXPECT_EQ(c[1180].value2, 60);
  EXPECT_EQ(c[31].kind, code(cell_kind::slowdown_start));  // 1500: no warning
  EXPECT_EQ(c[7].kind, 0);
  EXPECT_EQ(c[48].kind, code(cell_kind::slowdown_warning));
}

TEST(TrainCompiler, PlacementRefusalsStopAtOnce) {
  const std::string signal_at = "segnale, %, 1, 3, 0, 0, 0, 0, 0,0,0, 0";
  const auto signal = [&signal_at](int p) {
    std::string s = signal_at;
    return s.replace(s.find('%'), 1, std::to_string(p));
  };
  const struct {
    const char* name;
    std::string records;
    std::int32_t status;
    std::int32_t position;
    int written;      // a cell the refused record wrote, or -1
    int not_written;  // a cell it did not write
  } cases[] = {
      {"signal on a stop cell", train({station(14650, 12, 600), signal(14850)}), 16, 14850, -1, 0},
      {"warning cell", train({signal(37750), "rallentamento, 38950, 75, 350, 1, 1, 0"}), 17, 38950,
       -1, 780},
      {"start cell", train({signal(38950), "rallentamento, 38950, 75, 350, 1, 1, 0"}), 18, 38950,
       -1, 756},
      {"end cell", train({signal(39300), "rallentamento, 38950, 75, 350, 1, 1, 0"}), 19, 38950, -1,
       780},
      {"pre-warning cell", train({signal(37600), "rallentamento, 38950, 75, 350, 1, 1, 0"}), 20,
       38950, 756, 755},
  };
  for (const auto& c : cases) {
    auto r = compile(plain_line, c.records + "velocita, 0, 90\r\n");
    EXPECT_EQ(r.s.status_code, c.status) << c.name;
    EXPECT_EQ(r.s.status_position, c.position) << c.name;
    EXPECT_FALSE(r.files.exists(description::train)) << c.name;
    if (c.written >= 0) {
      EXPECT_NE(kind_of(r.s, c.written), 0) << c.name;
    }
    if (c.not_written > 0) {
      EXPECT_EQ(kind_of(r.s, c.not_written), 0) << c.name;
    }
    EXPECT_EQ(r.s.track_cells[5].speed_limit, 0) << c.name;
  }
}

TEST(TrainCompiler, RecordBeyondTheLineStillFinishes) {
  auto r = compile(plain_line,
                   train({"velocita, 0, 90", "velocita, 107000, 120", "velocita, 1000, 50"}));
  EXPECT_EQ(r.s.status_code, status_beyond_line);
  EXPECT_EQ(r.s.status_position, 107000);
  EXPECT_EQ(r.s.track_cells[2137].speed_limit, 18);
  EXPECT_FALSE(r.files.exists(description::train));

  auto station_edge = compile(plain_line, train({station(106250, 28, 100)}));
  EXPECT_EQ(station_edge.s.status_code, status_beyond_line);
  EXPECT_EQ(station_edge.s.items[1].position, 106250);
  EXPECT_EQ(compile(plain_line, train({station(106200, 28, 100)})).s.status_code, 0);

  auto bad_reference = compile(crlf({"[generale]", "lunghezza percorso, 100000",
                                     "progressiva chilometrica uno, 12345, 0, 0", "[curve]"}),
                               train({"velocita, 0, 90", "velocita, 107000, 120"}));
  EXPECT_EQ(bad_reference.s.status_code, status_bad_reference);
  EXPECT_EQ(bad_reference.s.track_cells[2137].speed_limit, 18);
}

TEST(TrainCompiler, LineHalfBeyondTheLineStopsAtTheFirstSignal) {
  auto r = compile(line_text({"pendenza, 106901, 9"}),
                   train({station(14650, 12, 600), "segnale, 2450, 1, 3, 0, 0, 0, 0, 0,0,0, 0",
                          "segnale, 3650, 1, 3, 0, 0, 0, 0, 0,0,0, 0", "velocita, 0, 90"}));
  EXPECT_EQ(r.s.status_code, status_beyond_line);
  EXPECT_EQ(r.s.status_position, 2450);
  EXPECT_EQ(kind_of(r.s, 298), code(cell_kind::station_stop));
  EXPECT_EQ(kind_of(r.s, 50), code(cell_kind::signal));
  EXPECT_EQ(kind_of(r.s, 74), 0);
  EXPECT_EQ(r.s.track_cells[5].speed_limit, 0);
  EXPECT_FALSE(r.files.exists(description::train));
}

TEST(TrainCompiler, ReadingRules) {
  auto further_down =
      compile(plain_line, crlf({"sabbia, 9", "junk, more", "  [Generale] ", "sabbia, 7",
                                "stazione, 14650, 12, 600, 0, 0, 0, 0, "
                                "0, 0, 0, 0, 0, 0, 0, 0, 0, PONTE, ALTO"}));
  EXPECT_EQ(further_down.s.status_code, 0);
  EXPECT_EQ(further_down.s.items[train_row].word_a, 7);
  EXPECT_EQ(further_down.s.items[1].text, "PONTE");

  auto none = compile(plain_line, crlf({"sabbia, 7", "velocita, 0, 90"}));
  EXPECT_EQ(none.s.status_code, 0);
  EXPECT_EQ(none.s.items[train_row].word_a, 0);
  EXPECT_EQ(none.s.track_cells[5].speed_limit, 0);
  EXPECT_FALSE(none.files.exists(description::train));

  auto last_line = compile(plain_line, "[generale]\r\nvelocita, 0, 90\r\nsabbia, 3");
  EXPECT_EQ(last_line.s.items[train_row].word_a, 3);
  auto lone_keyword = compile(plain_line, "[generale]\r\nvelocita, 0, 90\r\nsabbia");
  EXPECT_EQ(lone_keyword.s.status_code, 0);
}

TEST(TrainCompiler, InputFailures) {
  const struct {
    const char* name;
    std::optional<std::string> train;
  } cases[] = {
      {"missing file", std::nullopt},
      {"record cut short", std::string("[generale]\r\nvelocita, 0")},
      {"byte out of range",
       train({"stazione, 14650, 300, 600, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, X"})},
      {"integer out of range", train({"sabbia, 40000"})},
      {"station time beyond 32 bits", train({"stazione, 14650, 12, 600, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                                             "0, 600000, 0, 0, X"})},
      {"speed beyond one byte", train({"velocita, 0, 1278"})},
      {"negative speed", train({"velocita, 0, -3"})},
  };
  for (const auto& c : cases) {
    auto r = compile(plain_line, c.train);
    EXPECT_EQ(r.s.status_code, status_input_failure) << c.name;
    EXPECT_FALSE(r.files.exists(description::train)) << c.name;
  }
  const auto fastest = compile(plain_line, train({"velocita, 0, 1277"}));
  EXPECT_EQ(fastest.s.status_code, 0);
  EXPECT_EQ(fastest.s.track_cells[0].speed_limit, 255);
}

}  // namespace
}  // namespace scn
