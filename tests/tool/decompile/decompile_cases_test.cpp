// Scenarios whose binary files hide how they were written: each must still
// come back to descriptions that compile to the same bytes.
#include <gtest/gtest.h>

#include "compiler/compile_fixture.h"
#include "tool/decompile/decompiler.h"

namespace scn::tool::decompile {
namespace {

using scn::testing::crlf;

struct round_trip_case {
  const char* name;
  std::string line_body;        // records after "[curve]"
  std::string train_body;       // records after "[generale]"
  const char* expect_in_train;  // a line the train description must hold, or ""
};

std::string line_of(const std::string& body) {
  // A body that begins with a general record puts it before "[curve]".
  const bool general = body.rfind("ripetizione", 0) == 0;
  const std::size_t split = general ? body.find("\r\n") + 2 : 0;
  return crlf({"[generale]", "lunghezza percorso, 20000"}) + body.substr(0, split) + "[curve]\r\n" +
         body.substr(split) + "[fine]\r\n";
}

TEST(DecompileCases, HiddenOrdersAndOverlaysComeBack) {
  const round_trip_case cases[] = {
      {"a span laid over an earlier, longer one",
       crlf({"montagna, 5000, 7000, 11", "montagna, 5500, 5800, 12"}), "", ""},
      {"two spans of their own types 100 m apart, kept apart by a span far before them",
       crlf({"montagna, 3000, 3500, 1", "montagna, 100, 200, 2", "montagna, 3600, 4000, 2"}), "",
       ""},
      {"a text board replaced by a station's stop cell",
       crlf({"cartello_indicatore, 10250, (GALLERIA)", "cartello_indicatore, 12000, (PONTE)"}),
       crlf({"stazione, 10000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, CENTRO"}), ""},
      {"a speed post replaced by a station's stop cell, and a board by another",
       crlf({"indicatori_vmax, 10200, 90, 95, 100, 2, 5, 10, 15, 1",
             "cartello_indicatore, 15200, (PONTE)"}),
       crlf({"stazione, 10000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, CENTRO",
             "stazione, 15000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, PORTO"}),
       ""},
      {"signals written before the stations whose stop cells replace them", "",
       crlf({"segnale, 10200, 2, 3, 1, 0, 0, 0, 0, 0, 0, 201",
             "segnale, 15200, 1, 4, 2, 0, 0, 0, 0, 0, 0, 0",
             "stazione, 10000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, CENTRO",
             "stazione, 15000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, PORTO"}),
       ""},
      {"a signal written before a station whose approach codes overwrite its own", "",
       crlf({"segnale, 10300, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0",
             "stazione, 10000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, CENTRO"}),
       ""},
      {"a record's mark of 180 on the cell the marker pass would have taken", "",
       crlf({"rallentamento, 8000, 30, 1500, 1, 0, 0", "abbattimento, 8450, 180"}), ""},
      {"a record's mark above 180 lowered by the pass before a signal", "",
       crlf({"segnale, 6500, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0", "abbattimento, 6500, 200",
             "abbattimento, 6450, 90", "rallentamento, 8000, 30, 300, 1, 0, 0"}),
       ""},
      {"a line half stopped by a board on a speed post's cell, the plan ending with a curve",
       crlf({"curvad3, 1000, 200", "pendenza, 2000, 6",
             "indicatori_vmax, 600, 90, 95, 95, 0, 0, 0, 0, 0",
             "cartello_indicatore, 600, (GALLERIA)", "pendenza, 4000, 8"}),
       crlf({"stazione, 10000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, CENTRO"}), ""},
      {"a line half stopped by a post on a board's cell, the plan ending straight",
       crlf({"curvas2, 3000, 100", "cartello_indicatore, 5000, (PONTE)", "pendenza, 3500, 6",
             "curvad1, 3300, 50", "indicatori_vmax, 5000, 90, 95, 95, 0, 0, 0, 0, 0"}),
       "", ""},
      {"a general part stopped by a repetition value off the grid",
       crlf({"ripetizione segnali 4 codici, 75, 100", "pendenza, 2000, 6"}), "", ""},
      {"a slowdown of negative length", "", crlf({"rallentamento, 9000, 60, -300, 1, 1, 0"}),
       "rallentamento,  9000, 60, -300, 1, 1, 0"},
      {"a bare mark", "", crlf({"abbattimento, 9000, 0"}), "abbattimento,  9000, 0"},
      {"a signal type whose approach codes pass 255", "",
       crlf({"segnale, 5000, 9, 3, 0, 0, 2, 0, 0, 0, 0, 0"}), ""},
      {"a signal timer of 50, kept as 101", "",
       crlf({"segnale, 5000, 2, 4, 0, 0, 0, 0, 0, 0, 0, 50"}), ""},
      {"a station refused for its length after the other records", "",
       crlf({"segnale, 5000, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0",
             "stazione, 9000, 12, 650, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, CENTRO"}),
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string train =
        crlf({"[generale]", "velocita, 0, 100", "aderenza, 0, 90"}) + c.train_body + "[fine]\r\n";
    const compiled original =
        compile_descriptions("CASO", "7", line_of(c.line_body), train, /*with_plan=*/true);
    ASSERT_TRUE(original.fatal_error.empty());
    const decompiled d = decompile(original.files);
    for (const auto& f : d.findings) ADD_FAILURE() << f.where << ": " << f.what;
    const compiled again = compile_descriptions("CASO", "7", d.line_text, d.train_text, true);
    EXPECT_TRUE(again.files.cells == original.files.cells);
    EXPECT_TRUE(again.files.items == original.files.items);
    EXPECT_TRUE(again.files.plan == original.files.plan);
    if (*c.expect_in_train != '\0') {
      EXPECT_NE(d.train_text.find(c.expect_in_train), std::string::npos) << d.train_text;
    }
  }
}

}  // namespace
}  // namespace scn::tool::decompile

namespace scn::tool::decompile {
namespace {

// 78 stations fill the rows below the only text board's row; the last one is
// stored and refused. A signal written before the stations is compiled, one
// after them is not: the refused station must come after every record.
TEST(DecompileCases, StationRowsFullStopTheCompilationAtTheLastStation) {
  std::string train = crlf({"[generale]", "velocita, 0, 100", "aderenza, 0, 90",
                            "segnale, 85000, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0"});
  for (int n = 0; n < 78; ++n) {
    const int kind = n % 2 == 0 ? 28 : 12;
    train += "stazione, " + std::to_string(1000 + n * 1000) + ", " + std::to_string(kind) +
             ", 200, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, S" + std::to_string(n) + "\r\n";
  }
  train += crlf({"segnale, 79300, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0", "[fine]"});
  const std::string line = crlf({"[generale]", "lunghezza percorso, 90000", "[curve]",
                                 "cartello_indicatore, 500, (PONTE)", "[fine]"});
  const compiled original = compile_descriptions("PIENA", "3", line, train, true);
  ASSERT_EQ(original.status_code, 10);
  const decompiled d = decompile(original.files);
  for (const auto& f : d.findings) ADD_FAILURE() << f.where << ": " << f.what;
  const compiled again = compile_descriptions("PIENA", "3", d.line_text, d.train_text, true);
  EXPECT_EQ(again.status_code, 10);
  EXPECT_TRUE(again.files.cells == original.files.cells);
  EXPECT_TRUE(again.files.items == original.files.items);
}

}  // namespace
}  // namespace scn::tool::decompile
