// "scenario-tool compile" and "check" through the process boundary.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

TEST(CompileCommand, ReproducesTheProgramsBinaryFilesByteForByte) {
  test::scratch_dir program_dir, tool_dir;
  const auto program = test::install_program(program_dir.path(), "scenario");
  ASSERT_EQ(test::run_in(program_dir.path(), test::quoted(program)).exit_status, 0);
  ASSERT_EQ(test::run_in(tool_dir.path(), test::tool() + " sources").exit_status, 0);
  const auto r = test::run_in(
      tool_dir.path(),
      test::tool() + " compile BORGOLAGO-CIMAPASSO_linea.txt BORGOLAGO-CIMAPASSO_51827-.txt");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  for (const char* name : {"BORGOLAGO-CIMAPASSO_linea.dat", "BORGOLAGO-CIMAPASSO_51827.sim",
                           "BORGOLAGO-CIMAPASSO_51827.dat"}) {
    EXPECT_EQ(test::read_bytes(tool_dir / name), test::read_bytes(program_dir / name)) << name;
  }
  EXPECT_TRUE(fs::exists(tool_dir / "BORGOLAGO-CIMAPASSO_linea.txt")) << "inputs stay";
  EXPECT_TRUE(fs::exists(tool_dir / "BORGOLAGO-CIMAPASSO_51827-.txt")) << "inputs stay";
}

// The JSON object without the findings that a compile held back adds.
std::string without_findings(const std::string& output) {
  auto doc = nlohmann::ordered_json::parse(output);
  doc.erase("findings");
  return doc.dump() + "\n";
}

// Strict by default: a status writes nothing; --as-program writes as the
// program does. The fatal report writes nothing either way. A compile held
// back lists check's findings (a test below).
TEST(CompileCommand, JsonReportsStatusPositionErrorAndFiles) {
  const struct {
    const char* fixture;
    const char* strict;
    const char* as_program;
    int exit_status;
  } cases[] = {
      {"small_clean",
       R"({"status_code":0,"status_position":0,"error":null,"files":["PROVA_linea.dat","PROVA_00006.sim","PROVA_00006.dat"]})",
       R"({"status_code":0,"status_position":0,"error":null,"files":["PROVA_linea.dat","PROVA_00006.sim","PROVA_00006.dat"]})",
       0},
      {"station_4525", R"({"status_code":8,"status_position":4525,"error":null,"files":[]})",
       R"({"status_code":8,"status_position":4525,"error":null,"files":["PROVA_linea.dat","PROVA_00002.sim","PROVA_00002.dat"]})",
       2},
      {"beyond_line", R"({"status_code":15,"status_position":2450,"error":null,"files":[]})",
       R"({"status_code":15,"status_position":2450,"error":null,"files":["PROVA_linea.dat","PROVA_00003.sim","PROVA_00003.dat"]})",
       2},
      {"bad_number", R"({"status_code":25,"status_position":0,"error":null,"files":[]})",
       R"({"status_code":25,"status_position":0,"error":null,"files":["PROVA_linea.dat","PROVA_00005.sim","PROVA_00005.dat"]})",
       2},
      {"no_generale", R"({"status_code":102,"status_position":0,"error":null,"files":[]})",
       R"({"status_code":102,"status_position":0,"error":null,"files":[]})", 2},
      {"error_1250",
       R"({"status_code":0,"status_position":0,"error":"Errore n. 1250","fatal_error":1250,"files":[]})",
       R"({"status_code":0,"status_position":0,"error":"Errore n. 1250","fatal_error":1250,"files":[]})",
       1},
  };
  for (const auto& c : cases) {
    for (const bool as_program : {false, true}) {
      test::scratch_dir dir;
      const auto r = test::run_in(dir.path(), test::tool() + " compile " +
                                                  test::pair_of(test::fixture(c.fixture)) +
                                                  (as_program ? " --as-program" : "") + " --json");
      EXPECT_EQ(without_findings(r.output),
                std::string(as_program ? c.as_program : c.strict) + "\n")
          << c.fixture << (as_program ? " --as-program" : "");
      EXPECT_EQ(r.exit_status, c.exit_status) << c.fixture << r.errors;
      const auto written = nlohmann::json::parse(r.output)["files"].size();
      EXPECT_EQ(test::files_in(dir.path()).size(), written) << c.fixture;
    }
  }
}

// Held back, the JSON object carries the findings "check --format json"
// gives for the pair, and only then.
TEST(CompileCommand, JsonOfACompileHeldBackListsChecksFindings) {
  for (const char* fixture : {"station_4525", "beyond_line", "bad_number", "small_clean"}) {
    SCOPED_TRACE(fixture);
    test::scratch_dir dir;
    const std::string pair = test::pair_of(test::fixture(fixture));
    const auto compiled = test::run_in(dir.path(), test::tool() + " compile " + pair + " --json");
    const auto checked =
        test::run_in(dir.path(), test::tool() + " check " + pair + " --format json");
    const auto doc = nlohmann::json::parse(compiled.output);
    const auto findings = nlohmann::json::parse(checked.output)["findings"];
    if (doc["status_code"] == 0) {
      EXPECT_FALSE(doc.contains("findings"));
      continue;
    }
    ASSERT_TRUE(doc.contains("findings"));
    EXPECT_EQ(doc["findings"], findings);
    EXPECT_FALSE(findings.empty());
    const auto as_program = test::run_in(
        dir.path(), test::tool() + " compile " + pair + " --json --as-program --out written");
    EXPECT_FALSE(nlohmann::json::parse(as_program.output).contains("findings"));
  }
}

TEST(CompileCommand, NoPlanWritesOnlyItemAndCellFiles) {
  test::scratch_dir dir;
  const auto r = test::run_in(dir.path(), test::tool() + " compile " +
                                              test::pair_of(test::fixture("small_clean")) +
                                              " --no-plan --json");
  EXPECT_EQ(r.exit_status, 0) << r.errors;
  EXPECT_EQ(test::files_in(dir.path()),
            (std::vector<std::string>{"PROVA_00006.dat", "PROVA_00006.sim"}));
}

TEST(CompileCommand, UnsafeNamesAreRejected) {
  test::scratch_dir dir;
  for (const char* option : {"--line-name ../evil", "--line-name 'a/b'", "--train-number ''",
                             "--train-number 'a:b'", "--line-name \"$(printf 'a\\tb')\""}) {
    const auto r =
        test::run_in(dir.path(), test::tool() + " compile " +
                                     test::pair_of(test::fixture("small_clean")) + " " + option);
    EXPECT_EQ(r.exit_status, 1) << option;
    EXPECT_NE(r.errors.find("cannot be used in file names"), std::string::npos) << r.errors;
  }
  EXPECT_TRUE(test::files_in(dir.path()).empty());
}

TEST(CompileCommand, OddButSafeNamesAreKeptExactly) {
  test::scratch_dir dir;
  const auto r = test::run_in(dir.path(), test::tool() + " compile " +
                                              test::pair_of(test::fixture("small_clean")) +
                                              " --line-name 'LINEA UNO' --train-number 7");
  EXPECT_EQ(r.exit_status, 0) << r.errors;
  EXPECT_EQ(
      test::files_in(dir.path()),
      (std::vector<std::string>{"LINEA UNO_7.dat", "LINEA UNO_7.sim", "LINEA UNO_linea.dat"}));
}

TEST(CheckCommand, PointsAtTheFieldAtFault) {
  test::scratch_dir dir;
  auto r = test::run_in(dir.path(),
                        test::tool() + " check " + test::pair_of(test::fixture("station_4525")));
  EXPECT_EQ(r.exit_status, 2);
  EXPECT_NE(r.output.find("PROVA_00002-.txt:7:14: error: stazione, field 1 'position': station "
                          "position not a multiple of 50 (status 8 at 4525 m) [status-8]\n"
                          "    stazione,    4525, 11,"),
            std::string::npos)
      << r.output;
  EXPECT_NE(r.output.find("\n                 ^\n"), std::string::npos) << r.output;

  r = test::run_in(dir.path(),
                   test::tool() + " check " + test::pair_of(test::fixture("bad_number")));
  EXPECT_NE(
      r.output.find(
          "PROVA_00005-.txt:3:23: error: velocita, field 2 'speed': not a number (status 25)"),
      std::string::npos)
      << r.output;

  r = test::run_in(dir.path(),
                   test::tool() + " check " + test::pair_of(test::fixture("small_clean")));
  EXPECT_EQ(r.exit_status, 0) << r.output;
  EXPECT_EQ(r.output,
            "ok: a line of 20000 m with 2 stations, 3 signals, 1 slowdown, 1 text board, 1 "
            "tunnel\n");
  EXPECT_TRUE(test::files_in(dir.path()).empty()) << "check writes nothing";
}

TEST(CheckCommand, WarnsAboutWhatTheCompilerDoesNotEnforce) {
  test::scratch_dir dir;
  test::write_bytes(dir / "W_linea.txt",
                    "[generale]\r\nlunghezza percorso, 5000\r\n[curve]\r\n"
                    "curvad4, 1000, 500\r\ncurvas4, 1200, 100\r\n"
                    "pendenza, 2000, 3\r\npendenza, 1000, 4\r\n"
                    "cartello_indicatore, 3000, (A, B)\r\n[fine]\r\n");
  test::write_bytes(dir / "W_1-.txt",
                    "[generale]\r\nvelocita, 100, 90\r\n"
                    "segnale, 2450, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0\r\n"
                    "stazione, 4000, 28, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, X\r\n"
                    "rallentamento, 11000, 30, 2000, 1, 0, 0\r\n");
  const auto r = test::run_in(dir.path(), test::tool() + " check W_linea.txt W_1-.txt");
  EXPECT_EQ(r.exit_status, 2);
  for (const char* expected :
       {"W_linea.txt:5:10: warning: curve at 1200 m overlaps the previous curve",
        "W_linea.txt:7:11: warning: gradient record at 1000 m is not after",
        "W_linea.txt:8:28: warning: text board text contains a comma",
        "W_1-.txt:2:11: warning: speed profile does not start at 0 m",
        "W_1-.txt:4:1: warning: station after a signal or slowdown",
        "W_1-.txt:5:23: warning: record reaches cell"}) {
    EXPECT_NE(r.output.find(expected), std::string::npos) << expected << "\n" << r.output;
  }
}

}  // namespace
}  // namespace scn
