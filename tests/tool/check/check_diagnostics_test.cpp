// "check" findings built from an author's mistakes: each mutation of a small
// well-formed pair must be reported with its code at the file, line and
// column of the mistake, and a well-formed pair must give none.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "catalogue/status_catalogue.h"
#include "compiler/compile_fixture.h"
#include "fuzz/check_harness.h"
#include "sources/line_description_table.h"
#include "sources/train_description_table.h"
#include "support/process.h"
#include "tool/check/finding_report.h"
#include "tool/cli/check_run.h"
#include "tool/lsp/pair_diagnostics.h"

namespace scn {
namespace {

using tool::finding;

const std::vector<std::string> base_line = {
    "[generale]",                                    // 1
    "lunghezza percorso, 20000",                     // 2
    "sfondo uno, 1",                                 // 3
    "[curve]",                                       // 4
    "curvas5, 3000, 400",                            // 5
    "[pendenze]",                                    // 6
    "pendenza, 1000, 5",                             // 7
    "pendenza, 9000, -3",                            // 8
    "[montagne]",                                    // 9
    "montagna, 6000, 6400, 12",                      // 10
    "[cartelli]",                                    // 11
    "indicatori_vmax, 600, 90, 95, 95, 0, , , , 0",  // 12
    "[indicazioni]",                                 // 13
    "cartello_indicatore, 5950, (GALLERIA)(PROVA)",  // 14
    "[fine]",                                        // 15
};

const std::vector<std::string> base_train = {
    "[generale]",                                                                 // 1
    "numero vetture, 5",                                                          // 2
    "orologio, 10 0 0",                                                           // 3
    "[aderenze]",                                                                 // 4
    "aderenza, 0, 100",                                                           // 5
    "[vel_limite]",                                                               // 6
    "velocita, 0, 90",                                                            // 7
    "velocita, 8000, 60",                                                         // 8
    "[stazioni]",                                                                 // 9
    "stazione, 0, 8, 500, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 0, 0, ORIGINE",       // 10
    "stazione, 15000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 20, 0, ARRIVO",  // 11
    "[rallentamenti]",                                                            // 12
    "rallentamento, 10000, 30, 500, 1, 1, 20",                                    // 13
    "[segnali]",                                                                  // 14
    "segnale, 2450, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0",                                // 15
    "segnale, 9000, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0",                                // 16
    "[fine]",                                                                     // 17
};

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

// One line of one file replaced (the replacement may hold several lines).
struct mutation {
  description file;
  int line;
  std::string text;
};

struct expected_finding {
  const char* code;
  description file;
  int line;    // 0: the whole file
  int column;  // 0: the column where `at` begins on that line
  const char* at = "";
};

struct analysed {
  std::string line, train;
  tool::pair_analysis a;
};

void analyse(analysed& out, const std::vector<mutation>& mutations) {
  auto line = base_line, train = base_train;
  for (const auto& m : mutations) (m.file == description::line ? line : train)[m.line - 1] = m.text;
  out.line = joined(line);
  out.train = joined(train);
  tool::analyse_pair(out.a, {"PROVA", "1"}, out.line, out.train);
}

std::string listing(const std::vector<finding>& findings) {
  std::string out;
  for (const auto& f : findings)
    out += std::string(f.file == description::line ? "L" : "T") + ":" +
           std::to_string(f.where.line) + ":" + std::to_string(f.where.column) + " " + f.code +
           " " + f.message + "\n";
  return out;
}

int column_of(const analysed& a, const expected_finding& e) {
  if (e.column != 0 || e.line == 0) return e.column;
  const auto& text = e.file == description::line ? *a.a.line_text : *a.a.train_text;
  const auto at = text.line(e.line).find(e.at);
  return at == std::string_view::npos ? -1 : static_cast<int>(at) + 1;
}

bool reported(const analysed& a, const expected_finding& e) {
  const int column = column_of(a, e);
  for (const auto& f : a.a.findings)
    if (f.code == e.code && f.file == e.file && f.where.line == e.line && f.where.column == column)
      return true;
  return false;
}

TEST(CheckDiagnostics, WellFormedPairGivesNoFinding) {
  analysed a;
  analyse(a, {});
  EXPECT_TRUE(a.a.findings.empty()) << listing(a.a.findings);
  EXPECT_EQ(a.a.compiled.s.status_code, 0);
}

TEST(CheckDiagnostics, EmbeddedScenarioGivesNoFinding) {
  tool::pair_analysis a;
  const std::string line = testing::table_bytes(fill_line_description);
  const std::string train = testing::table_bytes(fill_train_description);
  tool::analyse_pair(a, {"BORGOLAGO-CIMAPASSO", "51827"}, line, train);
  EXPECT_TRUE(a.findings.empty()) << listing(a.findings);
}

struct mutation_case {
  const char* name;
  std::vector<mutation> mutations;
  expected_finding expected;
};

constexpr auto L = description::line;
constexpr auto T = description::train;

const std::vector<mutation_case> mutation_cases = {
    {"misspelt gradient", {{L, 7, "pendneza, 1000, 5"}}, {"unknown-keyword", L, 7, 1}},
    {"misspelt station", {{T, 11, "stazoine, 15000, 12, 600"}}, {"unknown-keyword", T, 11, 1}},
    {"curve whose s comes from another word",
     {{L, 5, "curva destra 4, 3000, 400"}},
     {"keyword-by-accident", L, 5, 1}},
    {"keyword matching two tests",
     {{L, 7, "pendenza curvas1, 1000, 5, 3000, 400"}},
     {"keyword-several-records", L, 7, 1}},
    {"gradient that wraps", {{L, 8, "pendenza, 9000, 180"}}, {"value-range", L, 8, 0, "180"}},
    {"adhesion that wraps", {{T, 5, "aderenza, 0, 900"}}, {"value-range", T, 5, 0, "900"}},
    {"clock hour out of range", {{T, 3, "orologio, 25 0 0"}}, {"value-range", T, 3, 0, "25"}},
    {"curve missing its length, reported on its own line",
     {{L, 5, "curvas5, 3000"}},
     {"missing-value", L, 5, 14}},
    {"signal missing its last values at the end of the file",
     {{T, 17, "segnale, 9500, 1, 3"}},
     {"missing-value", T, 17, 20}},
    {"three comment fields in a row",
     {{L, 6, "-- one\r\n-- two\r\n-- three"}},
     {"comment-read-as-record", L, 8, 1}},
    {"comma inside a comment",
     {{L, 6, "-- gradients, pendenza 3"}},
     {"comment-read-as-record", L, 6, 0, "pendenza 3"}},
    {"extra value on a line", {{L, 7, "pendenza, 1000, 5, 7"}}, {"extra-values", L, 7, 0, "7"}},
    {"values continuing on the next line",
     {{T, 15, "segnale, 2450, 1, 3, 0, 0, 0\r\n0, 0, 0, 0, 0"}},
     {"value-on-next-line", T, 16, 1}},
    {"station with an extra field",
     {{T, 10, "stazione, 0, 8, 500, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 0, 0, 0, ORIGINE"}},
     {"extra-values", T, 10, 0, "ORIGINE"}},
    {"station name cut by a comma",
     {{T, 11, "stazione, 15000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 20, 0, ARRIVO, SUD"}},
     {"station-name-comma", T, 11, 0, "ARRIVO"}},
    {"station times going backwards",
     {{T, 11, "stazione, 15000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 9, 20, 0, ARRIVO"}},
     {"time-backwards", T, 11, 0, "9, 20"}},
    {"first station time before the clock",
     {{T, 3, "orologio, 10 30 0"}},
     {"time-backwards", T, 10, 0, "10, 0, 0"}},
    {"signal position rounded",
     {{T, 16, "segnale, 9020, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0"}},
     {"position-rounded", T, 16, 0, "9020"}},
    {"signal past the end of the line",
     {{T, 16, "segnale, 21000, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0"}},
     {"past-line-end", T, 16, 0, "21000"}},
    {"station position not a multiple of 50",
     {{T, 11, "stazione, 15025, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 20, 0, ARRIVO"}},
     {"status-8", T, 11, 0, "15025"}},
    {"station length not a multiple of 100",
     {{T, 11, "stazione, 15000, 12, 650, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 20, 0, ARRIVO"}},
     {"status-9", T, 11, 0, "650"}},
    {"signal on a taken cell",
     {{T, 16, "segnale, 2460, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0"}},
     {"status-16", T, 16, 0, "2460"}},
    {"slowdown on the cell of a board of the line description",
     {{T, 13, "rallentamento, 5950, 30, 500, 1, 1, 20"}},
     {"status-18", T, 13, 0, "5950"}},
    {"board on the cell of a speed post",
     {{L, 14, "cartello_indicatore, 600, (X)"}},
     {"status-6", L, 14, 0, "600"}},
    {"gradient beyond the line", {{L, 8, "pendenza, 30000, -3"}}, {"status-15", L, 8, 0, "30000"}},
    {"speed that is not a number", {{T, 8, "velocita, 8000, 6O"}}, {"status-25", T, 8, 0, "6O"}},
    {"train description without its start section",
     {{T, 1, "[general]"}},
     {"no-generale", T, 0, 0}},
    {"train description empty",
     {{T, 1, ""},
      {T, 2, ""},
      {T, 3, ""},
      {T, 4, ""},
      {T, 5, ""},
      {T, 6, ""},
      {T, 7, ""},
      {T, 8, ""},
      {T, 9, ""},
      {T, 10, ""},
      {T, 11, ""},
      {T, 12, ""},
      {T, 13, ""},
      {T, 14, ""},
      {T, 15, ""},
      {T, 16, ""},
      {T, 17, ""}},
     {"empty-file", T, 0, 0}},
    {"board text in UTF-8",
     {{L, 14, "cartello_indicatore, 5950, (GALLERIA)(PROV\xC3\x88)"}},
     {"utf8-text", L, 14, 0, "\xC3\x88"}},
};

TEST(CheckDiagnostics, CurveKeywordsThatSayWhatTheyMeanGiveNoFinding) {
  for (const char* keyword : {"curvas5", "CURVAD5", "curva sinistra 5", "curva 5", "curvad 5"}) {
    analysed a;
    analyse(a, {{L, 5, std::string(keyword) + ", 3000, 400"}});
    EXPECT_TRUE(a.a.findings.empty()) << keyword << "\n" << listing(a.a.findings);
  }
}

TEST(CheckDiagnostics, EachMistakeIsReportedAtItsField) {
  for (const auto& c : mutation_cases) {
    analysed a;
    analyse(a, c.mutations);
    EXPECT_TRUE(reported(a, c.expected))
        << c.name << ": expected " << c.expected.code << " at "
        << (c.expected.file == L ? "L" : "T") << ":" << c.expected.line << ":"
        << column_of(a, c.expected) << "\n"
        << listing(a.a.findings);
  }
}

TEST(CheckDiagnostics, EveryCodeIsDocumented) {
  const std::string doc = test::read_bytes(test::source_path("docs/check-findings.md"));
  for (const auto& c : mutation_cases) {
    analysed a;
    analyse(a, c.mutations);
    for (const auto& f : a.a.findings) {
      const std::string code = f.code.rfind("status-", 0) == 0 && f.code != "status-25"
                                   ? std::string("status-N")
                                   : f.code;
      EXPECT_NE(doc.find("`" + code + "`"), std::string::npos) << code;
    }
  }
}

TEST(CheckDiagnostics, StatusesAreErrorsAndTheRestWarnings) {
  for (const auto& c : mutation_cases) {
    analysed a;
    analyse(a, c.mutations);
    for (const auto& f : a.a.findings) {
      const bool status = f.code.rfind("status-", 0) == 0 || f.code == "missing-value";
      EXPECT_EQ(f.error, status) << c.name << ": " << f.code;
      EXPECT_FALSE(f.message.empty());
    }
  }
}

TEST(CheckDiagnostics, ClashNamesTheOccupantAndTheRecordThatPlacedIt) {
  analysed a;
  analyse(a, {{T, 13, "rallentamento, 5950, 30, 500, 1, 1, 20"}});
  const finding* clash = nullptr;
  for (const auto& f : a.a.findings)
    if (f.code == "status-18") clash = &f;
  ASSERT_NE(clash, nullptr) << listing(a.a.findings);
  EXPECT_NE(clash->message.find("a text board"), std::string::npos) << clash->message;
  EXPECT_NE(clash->message.find("line 14 of the line description"), std::string::npos)
      << clash->message;
  ASSERT_EQ(clash->related.size(), 1u);
  EXPECT_EQ(clash->related[0].file, L);
  EXPECT_EQ(clash->related[0].where.line, 14);
  EXPECT_EQ(clash->related[0].where.column, 22);
}

TEST(CheckDiagnostics, RecordsOutOfOrderNoteThePreviousRecord) {
  analysed a;
  analyse(a, {{L, 8, "pendenza, 500, -3"}});
  ASSERT_EQ(a.a.findings.size(), 1u) << listing(a.a.findings);
  const finding& f = a.a.findings.front();
  EXPECT_EQ(f.code, "out-of-order");
  EXPECT_EQ(f.where.line, 8);
  ASSERT_EQ(f.related.size(), 1u);
  EXPECT_EQ(f.related[0].where.line, 7);
  EXPECT_EQ(f.related[0].where.column, 11);
}

TEST(CheckDiagnostics, LineRecordBeyondTheLineNotesWhereTheTrainIsCutShort) {
  analysed a;
  analyse(a, {{L, 8, "pendenza, 30000, -3"}});
  ASSERT_FALSE(a.a.findings.empty());
  const finding& f = a.a.findings.front();
  EXPECT_EQ(f.code, "status-15");
  ASSERT_EQ(f.related.size(), 1u) << listing(a.a.findings);
  EXPECT_EQ(f.related[0].file, T);
  EXPECT_EQ(f.related[0].where.line, 13);  // the slowdown, first of the train's objects
}

TEST(CheckDiagnostics, IndependentErrorsInBothFilesAreAllReportedInOneRun) {
  analysed a;
  analyse(a, {{L, 14, "cartello_indicatore, 600, (X)"},
              {L, 8, "pendenza, 30000, -3"},
              {T, 8, "velocita, 8000, 6O"},
              {T, 11, "stazione, 15025, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 20, 0, ARRIVO"},
              {T, 16, "segnale, 2460, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0"}});
  const std::vector<expected_finding> all = {{"status-15", L, 8, 0, "30000"},
                                             {"status-6", L, 14, 0, "600"},
                                             {"status-25", T, 8, 0, "6O"},
                                             {"status-8", T, 11, 0, "15025"},
                                             {"status-16", T, 16, 0, "2460"}};
  for (const auto& e : all)
    EXPECT_TRUE(reported(a, e)) << e.code << " line " << e.line << "\n" << listing(a.a.findings);
  EXPECT_EQ(tool::count_errors(a.a.findings), all.size()) << listing(a.a.findings);
  // The only warning is the rounded position of 2460: a record left out
  // leaves none of its values behind to be read as keywords.
  EXPECT_EQ(tool::count_warnings(a.a.findings), 1u) << listing(a.a.findings);
}

TEST(CheckDiagnostics, EveryStatusOfTheMarkerPassIsReported) {
  // Two slowdowns whose nearest approach cells are all taken by signals: the
  // pass sets status 12 twice; the register keeps only the second.
  std::string train = "[generale]\r\n";
  for (const int p : {9650, 9700, 9750, 19650, 19700, 19750})
    train += "segnale, " + std::to_string(p) + ", 1, 3, 0, 0, 0, 0, 0, 0, 0, 0\r\n";
  train += "rallentamento, 10000, 30, 500, 1, 0, 0\r\n";
  train += "rallentamento, 20000, 30, 500, 1, 0, 0\r\n[fine]\r\n";
  tool::pair_analysis a;
  tool::analyse_pair(a, {"PROVA", "1"}, "[generale]\r\nlunghezza percorso, 30000\r\n[fine]\r\n",
                     train);
  std::vector<int> lines;
  for (const auto& f : a.findings)
    if (f.code == "status-12") lines.push_back(f.where.line);
  EXPECT_EQ(lines, (std::vector<int>{8, 9})) << listing(a.findings);
}

// Analysis mode reads on where the program stops, so it meets inputs the
// program never reads to the end: the fuzz inputs must go through it, and
// every finding must point inside its file.
TEST(CheckDiagnostics, FuzzInputsGoThroughAnalysisModeWithFindingsInsideTheirFiles) {
  namespace fs = std::filesystem;
  for (const char* folder : {"corpus", "regressions"}) {
    for (const auto& e : fs::directory_iterator(fs::path(SCENARIO_FUZZ_DIR) / folder)) {
      if (!e.is_regular_file()) continue;
      EXPECT_EQ(fuzz::check_analysis_case(test::read_bytes(e.path())), "") << e.path().filename();
    }
  }
}

TEST(CheckDiagnostics, TheEditorGetsEveryErrorOfThePairToo) {
  auto train = base_train;
  train[10] = "stazione, 15025, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 20, 0, ARRIVO";
  train[15] = "segnale, 2460, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0";
  const auto found = tool::lsp::diagnose_pair({"PROVA", "1", joined(base_line), joined(train)});
  std::vector<std::string> errors;
  for (const auto& f : found)
    if (f.error) errors.push_back(f.code + "@" + std::to_string(f.where.line));
  EXPECT_EQ(errors, (std::vector<std::string>{"status-8@11", "status-16@16"}));
}

TEST(CheckDiagnostics, AnalysisModeLeavesTheProgramsCompileAlone) {
  // The same pair compiled without analysis mode stops at the first status,
  // exactly as the program does.
  const auto line = joined(base_line);
  auto train = base_train;
  train[10] = "stazione, 15025, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 20, 0, ARRIVO";
  train[15] = "segnale, 2460, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0";
  const auto compiled = testing::compile(line, joined(train));
  EXPECT_EQ(compiled.s.status_code, status_station_position);
  EXPECT_EQ(compiled.s.status_position, 15025);
}

TEST(CheckDiagnostics, SourceLinesAreQuotedSafely) {
  EXPECT_EQ(tool::quoted_with_caret("a\x01"
                                    "b, 5",
                                    4),
            "    a\\x01b, 5\n          ^\n");
  EXPECT_EQ(tool::quoted_with_caret("\tx, 5", 2), "    \tx, 5\n    \t^\n");
  const std::string long_line = std::string(500, 'a') + "X" + std::string(500, 'b');
  const std::string shown = tool::quoted_with_caret(long_line, 501, 120);
  const auto first_end = shown.find('\n');
  EXPECT_LT(first_end, 140u);
  EXPECT_EQ(shown.substr(0, 7), "    ...");
  EXPECT_EQ(shown[shown.size() - 2], '^');
  // The caret stands under the X.
  EXPECT_EQ(shown[shown.size() - 2 - (first_end + 1)], 'X');
}

TEST(CheckDiagnostics, FortyThousandFindingsTakeWellUnderThreeSeconds) {
  std::string train = "[generale]\r\n";
  for (int i = 0; i < 40001; ++i) train += "segnale, 5000, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0\r\n";
  train += "[fine]\r\n";
  const std::string line = "[generale]\r\nlunghezza percorso, 100000\r\n[fine]\r\n";
  // Processor time, so that other work on the machine does not count.
  const std::clock_t start = std::clock();
  tool::pair_analysis a;
  tool::analyse_pair(a, {"PROVA", "1"}, line, train);
  const tool::reported_files files{{"L", &*a.line_text}, {"T", &*a.train_text}};
  const std::string human = tool::render_human(a.findings, files);
  const std::string json = tool::render_json(a.findings, files);
  const double took = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  EXPECT_EQ(tool::count_errors(a.findings), 40000u);
  EXPECT_GT(human.size(), 40000u * 50);
  // Instrumented builds run several times slower; the bound still catches
  // a cost that grows with the square of the findings.
#if defined(__SANITIZE_ADDRESS__)
  const double bound = 30.0;
#else
  const double bound = 3.0;
#endif
  EXPECT_LT(took, bound);
}

// A misspelt keyword carries the keyword meant, as the field should read,
// in the finding and in the JSON report; the message names the record.
TEST(CheckDiagnostics, UnknownKeywordCarriesTheKeywordMeant) {
  const struct {
    mutation m;
    const char* suggestion;  // "": no keyword near enough
    const char* named;       // the record the message names
  } cases[] = {
      {{description::train, 11,
        "stazoine, 15000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 20, 0, "
        "ARRIVO"},
       "stazione",
       "stazione"},
      {{description::line, 7, "pendneza, 1000, 5"}, "pendenza", "pendenza"},
      {{description::line, 5, "curvs5, 3000, 400"}, "curvas5", "curvad4"},
      {{description::line, 5, "cruvad2, 3000, 400"}, "curvad2", "curvad4"},
      {{description::train, 16, "qqqqqqq, 9000, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0"}, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.m.text);
    analysed a;
    analyse(a, {c.m});
    const finding* unknown = nullptr;
    for (const auto& f : a.a.findings)
      if (f.code == "unknown-keyword" && f.where.line == c.m.line) unknown = &f;
    ASSERT_NE(unknown, nullptr) << listing(a.a.findings);
    EXPECT_EQ(unknown->suggestion, c.suggestion);
    EXPECT_EQ(unknown->message.find("did you mean") != std::string::npos, *c.named != '\0')
        << unknown->message;
    if (*c.named != '\0') {
      EXPECT_NE(unknown->message.find("did you mean \"" + std::string(c.named) + "\"?"),
                std::string::npos)
          << unknown->message;
    }

    const auto doc = nlohmann::json::parse(tool::render_json({*unknown}, {{"L"}, {"T"}}));
    const auto& item = doc.at("findings").at(0);
    if (*c.suggestion != '\0') {
      EXPECT_EQ(item.at("suggestion"), c.suggestion);
    } else {
      EXPECT_FALSE(item.contains("suggestion"));
    }
  }
}

// Through the process boundary: exit statuses, --werror and --format json.
TEST(CheckCommandExit, ZeroCleanTwoErrorsOneCouldNotRunAndWerror) {
  test::scratch_dir dir;
  test::write_bytes(dir / "A_linea.txt", joined(base_line));
  test::write_bytes(dir / "A_1-.txt", joined(base_train));
  auto warned = base_train;
  warned[15] = "segnale, 9020, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0";
  test::write_bytes(dir / "W_1-.txt", joined(warned));
  auto wrong = base_train;
  wrong[10] = "stazione, 15025, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 20, 0, ARRIVO";
  test::write_bytes(dir / "E_1-.txt", joined(wrong));

  auto r = test::run_in(dir.path(), test::tool() + " check A_linea.txt A_1-.txt");
  EXPECT_EQ(r.exit_status, 0) << r.output;
  EXPECT_EQ(r.output,
            "ok: a line of 20000 m with 2 stations, 2 signals, 1 slowdown, 1 text "
            "board, 1 tunnel\n");
  r = test::run_in(dir.path(), test::tool() + " check A_linea.txt W_1-.txt");
  EXPECT_EQ(r.exit_status, 0) << r.output;
  EXPECT_NE(r.output.find("W_1-.txt:16:10: warning: "), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("0 errors, 1 warning\n"), std::string::npos) << r.output;
  r = test::run_in(dir.path(), test::tool() + " check A_linea.txt W_1-.txt --werror");
  EXPECT_EQ(r.exit_status, 2) << r.output;
  EXPECT_NE(r.output.find("W_1-.txt:16:10: error: "), std::string::npos) << r.output;
  r = test::run_in(dir.path(), test::tool() + " check A_linea.txt E_1-.txt");
  EXPECT_EQ(r.exit_status, 2) << r.output;
  r = test::run_in(dir.path(), test::tool() + " check A_linea.txt MISSING_1-.txt");
  EXPECT_EQ(r.exit_status, 1) << r.output;
  EXPECT_NE(r.errors.find("MISSING_1-.txt"), std::string::npos) << r.errors;
}

TEST(CheckCommandExit, JsonHasEveryFindingWithItsPlaceAndCounts) {
  test::scratch_dir dir;
  test::write_bytes(dir / "A_linea.txt", joined(base_line));
  auto train = base_train;
  train[15] = "segnale, 2460, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0";
  test::write_bytes(dir / "A_1-.txt", joined(train));
  const auto r =
      test::run_in(dir.path(), test::tool() + " check ./A_linea.txt ./A_1-.txt --format json");
  EXPECT_EQ(r.exit_status, 2);
  const auto doc = nlohmann::json::parse(r.output);
  EXPECT_EQ(doc.at("errors"), 1);
  EXPECT_EQ(doc.at("warnings"), 1);  // the rounded position of 2460
  bool clash = false;
  for (const auto& f : doc.at("findings")) {
    EXPECT_EQ(f.at("file"), "./A_1-.txt");
    if (f.at("code") != "status-16") continue;
    clash = true;
    EXPECT_EQ(f.at("severity"), "error");
    EXPECT_EQ(f.at("line"), 16);
    EXPECT_EQ(f.at("column"), 10);
    ASSERT_EQ(f.at("related").size(), 1u);
    EXPECT_EQ(f.at("related")[0].at("line"), 15);
    EXPECT_EQ(f.at("related")[0].at("file"), "./A_1-.txt");
  }
  EXPECT_TRUE(clash) << r.output;
}

TEST(CheckCommandExit, CompileExplainsARefusedPairAsCheckDoes) {
  test::scratch_dir dir;
  test::write_bytes(dir / "A_linea.txt", joined(base_line));
  auto train = base_train;
  train[10] = "stazione, 15025, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 20, 0, ARRIVO";
  test::write_bytes(dir / "A_1-.txt", joined(train));
  const auto checked = test::run_in(dir.path(), test::tool() + " check A_linea.txt A_1-.txt");
  const auto compiled = test::run_in(dir.path(), test::tool() + " compile A_linea.txt A_1-.txt");
  EXPECT_EQ(compiled.exit_status, 2);
  ASSERT_NE(checked.output.find("A_1-.txt:11:11: error: "), std::string::npos) << checked.output;
  EXPECT_NE(compiled.output.find(checked.output), std::string::npos) << compiled.output;
}

}  // namespace
}  // namespace scn
