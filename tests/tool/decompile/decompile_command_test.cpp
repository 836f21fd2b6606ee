// "scenario-tool decompile" through the process boundary: the fixtures'
// round trip and the meaning of each exit status.
#include <gtest/gtest.h>

#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

struct binaries {
  std::string cells, items, plan;  // paths; plan empty when there is none
};

binaries binaries_in(const fs::path& dir) {
  binaries b;
  for (const auto& f : test::files_in(dir)) {
    const fs::path p = dir / f;
    if (f.ends_with("_linea.dat"))
      b.plan = p.string();
    else if (f.ends_with(".dat"))
      b.cells = p.string();
    else if (f.ends_with(".sim"))
      b.items = p.string();
  }
  return b;
}

std::string decompile_args(const binaries& b, const fs::path& out) {
  std::string args = test::quoted(b.cells) + " " + test::quoted(b.items);
  if (!b.plan.empty()) args += " " + test::quoted(b.plan);
  return args + " --out " + test::quoted(out);
}

// Compiles a fixture, decompiles the result, compiles the descriptions
// again and compares the binary files.
void expect_round_trip(const std::string& name, bool with_plan) {
  SCOPED_TRACE(name + (with_plan ? " with the plan" : " without the plan"));
  test::scratch_dir first, texts, second;
  // The program writes the files of a compile that sets a status as well.
  const std::string no_plan = std::string(" --as-program") + (with_plan ? "" : " --no-plan");
  test::run_in(first.path(), test::tool() + " compile " + test::pair_of(test::fixture(name)) +
                                 no_plan + " --out .");
  const binaries original = binaries_in(first.path());
  ASSERT_FALSE(original.items.empty());
  const auto r = test::run_in(
      texts.path(), test::tool() + " decompile " + decompile_args(original, texts.path()));
  EXPECT_EQ(r.exit_status, 0) << r.errors;
  test::run_in(second.path(), test::tool() + " compile " + test::pair_of(texts.path()) + no_plan);
  EXPECT_EQ(test::files_in(second.path()), test::files_in(first.path()));
  for (const auto& f : test::files_in(first.path()))
    EXPECT_TRUE(test::read_bytes(second / f) == test::read_bytes(first / f)) << f;
}

TEST(DecompileCommand, FixturesComeBackByteForByte) {
  // Clean, and stopped by a status: a station off the grid, a record beyond
  // the line, a value that is not a number.
  for (const char* name : {"small_clean", "station_4525", "beyond_line", "bad_number"}) {
    expect_round_trip(name, true);
    expect_round_trip(name, false);
  }
}

TEST(DecompileCommand, WritesTheDescriptionsNamedByTheItemFile) {
  test::scratch_dir dir;
  test::run_in(dir.path(), test::tool() + " compile " +
                               test::pair_of(test::fixture("small_clean")) + " --out .");
  const std::string command = test::tool() +
                              " decompile PROVA_00006.dat PROVA_00006.sim "
                              "PROVA_linea.dat --out out/route";
  const auto ok = test::run_in(dir.path(), command);
  ASSERT_EQ(ok.exit_status, 0) << ok.errors;
  const fs::path out = dir / "out" / "route";
  EXPECT_EQ(test::files_in(out), (std::vector<std::string>{"PROVA_00006-.txt", "PROVA_linea.txt"}));
  const std::string line = test::read_bytes(out / "PROVA_linea.txt");
  EXPECT_EQ(line.rfind("[generale]\r\nlunghezza percorso,  20000\r\n", 0), 0u) << line;
  EXPECT_NE(line.find("\r\ncurvas5,  3000, 400\r\n"), std::string::npos) << line;
  EXPECT_NE(line.find("\r\nmontagna,  6000, 6400, 12\r\n"), std::string::npos) << line;
  const std::string train = test::read_bytes(out / "PROVA_00006-.txt");
  EXPECT_NE(train.find("\r\nsegnale,  10700, 2, 4, 0, 0, 0, 0, 0, 0, 0, 101\r\n"),
            std::string::npos)
      << train;
  EXPECT_NE(train.find("\r\nrallentamento,  10000, 30, 500, 1, 1, 20\r\n"), std::string::npos)
      << train;
}

TEST(DecompileCommand, KeepsAnAuthorsFilesUnlessForced) {
  test::scratch_dir dir;
  test::run_in(dir.path(), test::tool() + " compile " +
                               test::pair_of(test::fixture("small_clean")) + " --out .");
  fs::create_directory(dir / "out");
  test::write_bytes(dir / "out" / "PROVA_linea.txt", "my edits\r\n");
  const std::string command = test::tool() +
                              " decompile PROVA_00006.dat PROVA_00006.sim "
                              "PROVA_linea.dat --out out";
  const auto refused = test::run_in(dir.path(), command);
  EXPECT_EQ(refused.exit_status, 1);
  EXPECT_NE(refused.errors.find("PROVA_linea.txt"), std::string::npos) << refused.errors;
  EXPECT_EQ(test::read_bytes(dir / "out" / "PROVA_linea.txt"), "my edits\r\n");
  EXPECT_EQ(test::files_in(dir / "out"), (std::vector<std::string>{"PROVA_linea.txt"}));
  const auto forced = test::run_in(dir.path(), command + " --force");
  ASSERT_EQ(forced.exit_status, 0) << forced.errors;
  EXPECT_EQ(test::files_in(dir / "out"),
            (std::vector<std::string>{"PROVA_00006-.txt", "PROVA_linea.txt"}));
}

TEST(DecompileCommand, DamagedFilesExitOneWithTheByteOffset) {
  test::scratch_dir dir;
  test::run_in(dir.path(), test::tool() + " compile " +
                               test::pair_of(test::fixture("small_clean")) + " --out .");
  const std::string cells = test::read_bytes(dir / "PROVA_00006.dat");
  const std::string items = test::read_bytes(dir / "PROVA_00006.sim");
  const struct {
    const char* cells_name;
    std::string cells;
    const char* items_name;
    std::string items;
    const char* message;
  } cases[] = {
      {"short.dat", cells.substr(0, cells.size() - 7), "PROVA_00006.sim", items,
       "short.dat: not a valid cell file at byte"},
      {"PROVA_00006.dat", cells, "short.sim", items.substr(0, 100),
       "short.sim: not a valid item file at byte"},
      {"PROVA_00006.dat", cells, "long.sim", items + "x",
       "long.sim: not a valid item file at byte"},
  };
  for (const auto& c : cases) {
    test::write_bytes(dir / c.cells_name, c.cells);
    test::write_bytes(dir / c.items_name, c.items);
    fs::create_directory(dir / "out");
    const auto r = test::run_in(dir.path(), test::tool() + " decompile " + c.cells_name + " " +
                                                c.items_name + " --out out");
    EXPECT_EQ(r.exit_status, 1) << c.message;
    EXPECT_NE(r.errors.find(c.message), std::string::npos) << r.errors;
    EXPECT_TRUE(test::files_in(dir / "out").empty()) << c.message;
  }
  const auto missing = test::run_in(dir.path(), test::tool() + " decompile none.dat none.sim");
  EXPECT_EQ(missing.exit_status, 1);
  EXPECT_NE(missing.errors.find("none.dat"), std::string::npos) << missing.errors;
}

// A cell file edited by hand: byte 0 of the cell holds its kind.
std::string with_kind(std::string cells, std::size_t cell, char kind) {
  cells[cell * 15] = kind;
  return cells;
}

TEST(DecompileCommand, InexpressibleContentExitsTwoNamingTheCellAndWritesTheRest) {
  test::scratch_dir dir;
  test::run_in(dir.path(), test::tool() + " compile " +
                               test::pair_of(test::fixture("small_clean")) + " --out .");
  const std::string cells = test::read_bytes(dir / "PROVA_00006.dat");
  const struct {
    std::string cells;
    const char* message;
  } cases[] = {
      {with_kind(cells, 300, 7), "cell 300: kind 7 is placed by no record"},
      // A warning cell with no slowdown start 24 cells after it.
      {with_kind(cells, 100, 4), "cell 100: slowdown_warning cell that belongs to no slowdown"},
  };
  for (const auto& c : cases) {
    test::write_bytes(dir / "edited.dat", c.cells);
    fs::remove_all(dir / "out");
    fs::create_directory(dir / "out");
    const auto r = test::run_in(
        dir.path(),
        test::tool() + " decompile edited.dat PROVA_00006.sim PROVA_linea.dat --out out");
    EXPECT_EQ(r.exit_status, 2) << c.message;
    EXPECT_NE(r.errors.find(c.message), std::string::npos) << r.errors;
    EXPECT_EQ(test::files_in(dir / "out"),
              (std::vector<std::string>{"PROVA_00006-.txt", "PROVA_linea.txt"}));
  }
}

TEST(DecompileCommand, IsListedInTheHelp) {
  test::scratch_dir dir;
  const auto overview = test::run_in(dir.path(), test::tool() + " --help");
  EXPECT_NE(overview.output.find("  decompile "), std::string::npos) << overview.output;
  const auto help = test::run_in(dir.path(), test::tool() + " help decompile");
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_NE(help.output.find("decompile CELLS.dat ITEMS.sim [LINE.dat] [--out DIR] [--force]"),
            std::string::npos)
      << help.output;
}

TEST(DecompileCommand, NeverWritesOverItsInputs) {
  test::scratch_dir dir;
  test::run_in(dir.path(), test::tool() + " compile " +
                               test::pair_of(test::fixture("small_clean")) + " --out .");
  const std::string cells = test::read_bytes(dir / "PROVA_00006.dat");
  fs::create_directory(dir / "out");
  // The line description's name in the output folder is the cell file itself.
  fs::create_hard_link(dir / "PROVA_00006.dat", dir / "out" / "PROVA_linea.txt");
  const auto r = test::run_in(
      dir.path(), test::tool() + " decompile PROVA_00006.dat PROVA_00006.sim --out out");
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_FALSE(r.errors.empty());
  EXPECT_TRUE(test::read_bytes(dir / "PROVA_00006.dat") == cells);
  const auto empty = test::run_in(
      dir.path(), test::tool() + " decompile PROVA_00006.dat PROVA_00006.sim --out \"\"");
  EXPECT_EQ(empty.exit_status, 1) << "an empty --out would name the root folder";
}

TEST(DecompileCommand, AnIdentityThatCannotNameAFileExitsTwoWritingNothing) {
  test::scratch_dir dir;
  test::run_in(dir.path(), test::tool() + " compile " +
                               test::pair_of(test::fixture("small_clean")) + " --out .");
  std::string items = test::read_bytes(dir / "PROVA_00006.sim");
  // The line row's text: its length 5, then the line name.
  const std::size_t at = items.find(std::string("\x05\x00PROVA", 7));
  ASSERT_NE(at, std::string::npos);
  items.replace(at + 2, 5, "../AB");
  test::write_bytes(dir / "edited.sim", items);
  fs::create_directory(dir / "out");
  const auto r =
      test::run_in(dir.path(), test::tool() + " decompile PROVA_00006.dat edited.sim --out out");
  EXPECT_EQ(r.exit_status, 2);
  EXPECT_NE(r.errors.find("item row 85: identity \"../AB\" cannot be used in file names"),
            std::string::npos)
      << r.errors;
  EXPECT_TRUE(test::files_in(dir / "out").empty());
}

}  // namespace
}  // namespace scn
