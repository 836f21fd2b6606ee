// The tool's command lines through the process boundary: exit status, the
// files left in the folder, and the JSON error, one table row per case.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/process.h"
#include "tool/cli/command_help.h"
#include "tool/cli/tool_version.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

// "$T" stands for the tool, "$F" for the fixture folder.
std::string expand(std::string command) {
  const std::pair<std::string, std::string> names[] = {
      {"$T", test::tool()}, {"$F", test::quoted(std::string(SCENARIO_FIXTURE_DIR))}};
  for (const auto& [from, to] : names) {
    for (auto at = command.find(from); at != std::string::npos; at = command.find(from, at)) {
      command.replace(at, from.size(), to);
      at += to.size();
    }
  }
  return command;
}

struct tool_case {
  const char* setup;  // shell commands run first, or ""
  int exit_status;
  std::vector<const char*> present;  // paths that must exist afterwards
  std::vector<const char*> absent;   // paths that must not
  const char* says;                  // text in standard output or error, or ""
  const char* json_error;  // nullptr: no JSON; "": "error" is null; else a text in "error"
};

const char* const small = "$F/small_clean/PROVA_linea.txt $F/small_clean/PROVA_00006-.txt";
const char* const bad = "$F/station_4525/PROVA_linea.txt $F/station_4525/PROVA_00002-.txt";

std::string with(const char* head, const char* pair, const char* tail = "") {
  return std::string(head) + " " + pair + tail;
}

TEST(ToolProcess, CommandLinesGiveTheirStatusFilesAndErrors) {
  const std::string compile_small = with("$T compile", small);
  const std::string compile_bad = with("$T compile", bad);
  const std::vector<std::pair<std::string, tool_case>> rows = {
      // Help, version, mistakes on the command line.
      {"$T", {"", 1, {}, {}, "Commands:", nullptr}},
      {"$T compil", {"", 1, {}, {}, "did you mean \"compile\"?", nullptr}},
      {compile_small + " --jsn", {"", 1, {}, {"PROVA_00006.dat"}, "did you mean --json?", nullptr}},
      {compile_small + " --out", {"", 1, {}, {"PROVA_00006.dat"}, "--out", nullptr}},
      {"$T help nosuch", {"", 1, {}, {}, "unknown command", nullptr}},
      {"$T dump a b", {"", 1, {}, {}, "unexpected argument b", nullptr}},
      // compile: clean, status, --as-program, unusable inputs and outputs.
      {compile_small + " --json",
       {"", 0, {"PROVA_linea.dat", "PROVA_00006.sim", "PROVA_00006.dat"}, {}, "", ""}},
      {compile_bad + " --out out",
       {"",
        2,
        {},
        {"out"},
        "PROVA_00002-.txt:7:14: error: stazione, field 1 'position': station position",
        nullptr}},
      {compile_bad + " --json", {"", 2, {}, {"PROVA_00002.dat"}, "nothing written", ""}},
      {compile_bad + " --as-program",
       {"", 2, {"PROVA_linea.dat", "PROVA_00002.sim", "PROVA_00002.dat"}, {}, "warning", nullptr}},
      {compile_bad,
       {"printf old > PROVA_00002.dat", 2, {"PROVA_00002.dat"}, {"PROVA_00002.sim"}, "", nullptr}},
      {"$T compile $F/small_clean/PROVA_linea.txt PROVA_nosuch-.txt --json",
       {"",
        1,
        {},
        {"PROVA_nosuch.dat", "PROVA_linea.dat"},
        "PROVA_nosuch-.txt",
        "cannot open PROVA_nosuch-.txt: No such file or directory"}},
      {"$T compile $F/small_clean/PROVA_linea.txt PROVA_nosuch-.txt --as-program --json",
       {"", 1, {}, {"PROVA_nosuch.dat"}, "", "PROVA_nosuch-.txt"}},
      {"$T compile $F/small_clean/PROVA_linea.txt folder-.txt --json",
       {"mkdir folder-.txt", 1, {}, {"PROVA_linea.dat"}, "", "Is a directory"}},
      {compile_small + " --out taken --json",
       {"printf x > taken", 1, {}, {"PROVA_linea.dat"}, "", "taken"}},
      {compile_small + " --out a/b --json",
       {"", 0, {"a/b/PROVA_linea.dat", "a/b/PROVA_00006.dat"}, {}, "", ""}},
      {compile_small + " --jsn --json", {"", 1, {}, {}, "did you mean --json?", "--jsn"}},
      {compile_small + " --line-name ../x --json",
       {"", 1, {}, {}, "", "cannot be used in file names"}},
      {compile_small + " --out '' --json", {"", 1, {}, {}, "", "empty"}},
      {"$T compile $F/error_1250/PROVA-1250_linea.txt $F/error_1250/PROVA-1250_00001-.txt --json",
       {"", 1, {}, {"PROVA-1250_00001.dat"}, "", "Errore n. 1250"}},
      // sources: folder created, existing files kept unless --force.
      {"$T sources --out a/b", {"", 0, {"a/b/BORGOLAGO-CIMAPASSO_linea.txt"}, {}, "", nullptr}},
      {"$T sources --out a",
       {"mkdir a && printf mine > a/BORGOLAGO-CIMAPASSO_51827_note.txt",
        1,
        {},
        {"a/BORGOLAGO-CIMAPASSO_linea.txt"},
        "already exists",
        nullptr}},
      {"$T sources --out a --force",
       {"mkdir a && printf mine > a/BORGOLAGO-CIMAPASSO_linea.txt",
        0,
        {"a/BORGOLAGO-CIMAPASSO_51827-.txt"},
        {},
        "",
        nullptr}},
      // new: the starter pair.
      {"$T new s --line-name VALLE --train-number 7",
       {"", 0, {"s/VALLE_linea.txt", "s/VALLE_7-.txt"}, {}, "", nullptr}},
      {"$T new s --line-name VALLE", {"", 1, {}, {"s"}, "--train-number", nullptr}},
      {"$T new s --line-name ../x --train-number 7",
       {"", 1, {}, {"s"}, "cannot be used in file names", nullptr}},
      {"$T new s --line-name VALLE --train-number 7",
       {"mkdir s && printf mine > s/VALLE_7-.txt",
        1,
        {},
        {"s/VALLE_linea.txt"},
        "already exists",
        nullptr}},
      // plot: format from the extension, statuses and unreadable inputs.
      {with("$T plot", small, " --out p.svg"), {"", 0, {"p.svg"}, {}, "", nullptr}},
      {with("$T plot", bad, " --out p.svg"), {"", 2, {"p.svg"}, {}, "status 8", nullptr}},
      {"$T plot $F/error_1250/PROVA-1250_linea.txt $F/error_1250/PROVA-1250_00001-.txt --out p.svg",
       {"", 2, {"p.svg"}, {}, "Errore n. 1250", nullptr}},
      {with("$T plot", small, " --out p.gif"), {"", 1, {}, {"p.gif"}, ".svg or .png", nullptr}},
      {"$T plot nosuch_linea.txt nosuch_1-.txt --out p.svg",
       {"", 1, {}, {"p.svg"}, "cannot open nosuch_linea.txt", nullptr}},
      {"$T plot nosuch.dat nosuch.sim --out p.svg", {"", 1, {}, {"p.svg"}, "nosuch", nullptr}},
      // check and dump: unreadable inputs are errors, not findings.
      {"$T check nosuch_linea.txt nosuch_1-.txt", {"", 1, {}, {}, "No such file", nullptr}},
      {"$T dump .", {"", 1, {}, {}, "not a regular file", nullptr}},
  };
  for (const auto& [command, c] : rows) {
    test::scratch_dir dir;
    if (*c.setup != 0) {
      ASSERT_EQ(test::run_in(dir.path(), c.setup).exit_status, 0) << c.setup;
    }
    const auto r = test::run_in(dir.path(), expand(command));
    const std::string all = r.output + r.errors;
    EXPECT_EQ(r.exit_status, c.exit_status) << command << "\n" << all;
    for (const char* p : c.present) {
      EXPECT_TRUE(fs::exists(dir / p)) << command << ": " << p;
    }
    for (const char* p : c.absent) {
      EXPECT_FALSE(fs::exists(dir / p)) << command << ": " << p;
    }
    if (*c.says != 0) {
      EXPECT_NE(all.find(c.says), std::string::npos) << command << "\n" << all;
    }
    if (c.json_error == nullptr) continue;
    const auto doc = nlohmann::json::parse(r.output, nullptr, false);
    ASSERT_TRUE(doc.is_object()) << command << "\n" << r.output;
    if (*c.json_error == 0) {
      EXPECT_TRUE(doc["error"].is_null()) << command << "\n" << r.output;
    } else {
      ASSERT_TRUE(doc["error"].is_string()) << command << "\n" << r.output;
      EXPECT_NE(doc["error"].get<std::string>().find(c.json_error), std::string::npos)
          << command << "\n"
          << r.output;
    }
  }
}

TEST(ToolProcess, OldFilesStayWhenAStatusHoldsTheCompileBack) {
  test::scratch_dir dir;
  test::write_bytes(dir / "PROVA_00002.dat", "old cells");
  const auto r = test::run_in(dir.path(), expand(with("$T compile", bad)));
  EXPECT_EQ(r.exit_status, 2);
  EXPECT_EQ(test::read_bytes(dir / "PROVA_00002.dat"), "old cells");
  EXPECT_EQ(test::files_in(dir.path()), std::vector<std::string>{"PROVA_00002.dat"});
}

TEST(ToolProcess, EveryCommandHasHelpAndTheToolAVersion) {
  test::scratch_dir dir;
  auto r = test::run_in(dir.path(), expand("$T --version"));
  EXPECT_EQ(r.exit_status, 0);
  EXPECT_EQ(r.output, std::string("scenario-tool ") + tool::tool_version + "\n");
  const auto overview = test::run_in(dir.path(), expand("$T --help"));
  EXPECT_EQ(overview.exit_status, 0);
  for (const auto& c : tool::all_command_help()) {
    const std::string name(c.name);
    EXPECT_NE(overview.output.find("\n  " + name + " "), std::string::npos) << name;
    const auto help = test::run_in(dir.path(), expand("$T " + name + " --help"));
    EXPECT_EQ(help.exit_status, 0) << name;
    EXPECT_EQ(test::run_in(dir.path(), expand("$T help " + name)).output, help.output) << name;
    EXPECT_EQ(test::run_in(dir.path(), expand("$T " + name + " -h")).output, help.output) << name;
    for (const char* part : {"Usage:\n  scenario-tool ", "Options:\n",
                             "Example:\n  $ scenario-tool ", "Exit status:\n  0 "}) {
      EXPECT_NE(help.output.find(part), std::string::npos) << name << ": " << part;
    }
    for (const auto& o : c.options) {
      EXPECT_NE(help.output.find("  " + std::string(o.name)), std::string::npos) << name;
    }
    // Terminals and manual pages: no line wider than 80 columns.
    std::size_t start = 0;
    for (auto end = help.output.find('\n'); end != std::string::npos;
         start = end + 1, end = help.output.find('\n', start)) {
      EXPECT_LE(end - start, 80u) << name << ": " << help.output.substr(start, end - start);
    }
  }
  EXPECT_TRUE(test::files_in(dir.path()).empty()) << "help writes nothing";
}

// The starter pair checks clean, compiles with exit 0, and holds every kind
// of record it promises.
TEST(ToolProcess, StarterPairChecksCleanAndCompiles) {
  test::scratch_dir dir;
  ASSERT_EQ(
      test::run_in(dir.path(), expand("$T new s --line-name VALLE --train-number 7")).exit_status,
      0);
  const std::string pair = " s/VALLE_linea.txt s/VALLE_7-.txt";
  const auto check = test::run_in(dir.path(), expand("$T check" + pair));
  EXPECT_EQ(check.exit_status, 0) << check.output;
  EXPECT_EQ(check.output,
            "ok: a line of 6000 m with 3 stations, 4 signals, 1 slowdown, 1 text board, 1 "
            "tunnel\n");
  const auto compile = test::run_in(dir.path(), expand("$T compile" + pair + " --out bin --json"));
  EXPECT_EQ(compile.exit_status, 0) << compile.output << compile.errors;
  EXPECT_EQ(test::files_in(dir / "bin"),
            (std::vector<std::string>{"VALLE_7.dat", "VALLE_7.sim", "VALLE_linea.dat"}));

  const auto cells = test::run_in(dir.path(), expand("$T dump bin/VALLE_7.dat --format csv"));
  for (const char* kind : {",signal,", ",station_stop,", ",slowdown_start,", ",text_board,",
                           ",speed_boards,", ",backdrop_mark,"}) {
    EXPECT_NE(cells.output.find(kind), std::string::npos) << kind;
  }
  const auto items = nlohmann::json::parse(
      test::run_in(dir.path(), expand("$T dump bin/VALLE_7.sim --format json")).output);
  int stations = 0;
  for (const auto& row : items["rows"]) stations += row["role"] == "station";
  EXPECT_EQ(stations, 3);
  const auto line = test::read_bytes(dir / "s/VALLE_linea.txt");
  for (const char* record :
       {"curvad", "curvas", "pendenza", "montagna", "indicatori_vmax", "cartello_indicatore",
        "progressiva chilometrica uno,    0,    12000"}) {
    EXPECT_NE(line.find(record), std::string::npos) << record;
  }
}

TEST(ToolProcess, PngOutputIsARealPng) {
  test::scratch_dir dir;
  const auto r = test::run_in(dir.path(), expand(with("$T plot", small, " --out p.PNG")));
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  const auto png = test::read_bytes(dir / "p.PNG");
  ASSERT_GT(png.size(), 1000u);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
  EXPECT_EQ(png.substr(12, 4), "IHDR");
}

// The README's walk-through: the starter pair with one station moved off
// the 50 m grid is held back by compile, and reported at its field by check.
TEST(ToolProcess, WalkThroughOfTheReadme) {
  test::scratch_dir dir;
  const std::string pair = " VALLE-PIANA_linea.txt VALLE-PIANA_10001-.txt";
  ASSERT_EQ(
      test::run_in(dir.path(), expand("$T new . --line-name VALLE-PIANA --train-number 10001"))
          .exit_status,
      0);
  ASSERT_EQ(test::run_in(dir.path(),
                         "sed -i 's/stazione,    2500/stazione,    2525/' "
                         "VALLE-PIANA_10001-.txt")
                .exit_status,
            0);
  const auto check = test::run_in(dir.path(), expand("$T check" + pair));
  EXPECT_EQ(check.exit_status, 2);
  EXPECT_EQ(check.output.substr(0, check.output.find('\n')),
            "VALLE-PIANA_10001-.txt:19:14: error: stazione, field 1 'position': station position "
            "not a multiple of 50 (status 8 at 2525 m) [status-8]");
  const auto compile = test::run_in(dir.path(), expand("$T compile" + pair + " --out bin"));
  EXPECT_EQ(compile.exit_status, 2);
  EXPECT_EQ(compile.output, check.output) << "compile prints what check prints";
  EXPECT_EQ(compile.errors,
            "scenario-tool: error: status 8 (station position not a multiple of 50) at 2525 m\n"
            "scenario-tool: nothing written (--as-program writes the files anyway)\n");
  EXPECT_FALSE(fs::exists(dir / "bin"));
}

}  // namespace
}  // namespace scn
