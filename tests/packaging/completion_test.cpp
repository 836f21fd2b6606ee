// The bash completion of scenario-tool: commands, the options of each
// command and their values, and file arguments filtered by the naming rule
// (NAME_linea.txt, NAME_NUMBER-.txt, .dat, .sim), with directories to walk
// into. Its tables come from the tool's help, whatever its layout.
#include <gtest/gtest.h>

#include <algorithm>

#include "packaging/help_files.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;
using words = std::vector<std::string>;

struct completion_case {
  const char* line;
  words expected;
};

// A folder with a file of every kind and a subfolder.
void make_authoring_folder(const fs::path& dir) {
  for (const char* name : {"A_linea.txt", "A_51827-.txt", "A_51827.dat", "A_51827.sim",
                           "A_linea.dat", "notes.txt", "plot.svg", "two words_linea.txt"}) {
    test::write_bytes(dir / name, "");
  }
  fs::create_directory(dir / "work");
}

void expect_completions(const fs::path& dir, const fs::path& script,
                        const std::vector<completion_case>& cases) {
  for (const auto& c : cases) {
    EXPECT_EQ(test::completions(dir, script, c.line), c.expected) << '"' << c.line << '"';
  }
}

TEST(Completion, CompletesCommandsOptionsAndFilesByTheNamingRule) {
  test::scratch_dir dir;
  make_authoring_folder(dir.path());
  const auto script = test::generated_dir() / "completions/scenario-tool";
  const words descriptions = {"A_51827-.txt", "A_linea.txt", "two words_linea.txt", "work"};
  const words binaries = {"A_51827.dat", "A_51827.sim", "A_linea.dat", "work"};
  const words scenario_files = {"A_51827-.txt", "A_51827.dat",         "A_51827.sim", "A_linea.dat",
                                "A_linea.txt",  "two words_linea.txt", "work"};
  const words everything = {"A_51827-.txt", "A_51827.dat",         "A_51827.sim",
                            "A_linea.dat",  "A_linea.txt",         "notes.txt",
                            "plot.svg",     "two words_linea.txt", "work"};
  expect_completions(dir.path(), script,
                     {
                         {"scenario-tool co", {"compile"}},
                         {"scenario-tool compile ", descriptions},
                         {"scenario-tool check A_", {"A_51827-.txt", "A_linea.txt"}},
                         {"scenario-tool compile A_linea.txt ", descriptions},
                         {"scenario-tool dump ", binaries},
                         {"scenario-tool plot ", scenario_files},
                         {"scenario-tool compile --no", {"--no-plan"}},
                         {"scenario-tool dump A_51827.dat --format ", {"csv", "json", "text"}},
                         {"scenario-tool dump A_51827.dat --format c", {"csv"}},
                         {"scenario-tool compile A_linea.txt A_51827-.txt --out ", {"work"}},
                         {"scenario-tool plot A_linea.txt A_51827-.txt --out ", everything},
                         {"scenario-tool compile --line-name ", {}},
                         {"scenario-tool sources ", {}},
                     });
  const auto commands = test::completions(dir.path(), script, "scenario-tool ");
  for (const char* command : {"check", "compile", "dump", "plot", "sources"}) {
    EXPECT_NE(std::find(commands.begin(), commands.end(), command), commands.end()) << command;
  }
}

// The same script made from a help laid out by an option-parsing library:
// sections, "help COMMAND", --version, value lists in braces.
TEST(Completion, TablesFollowTheHelpWhateverItsLayout) {
  test::scratch_dir dir;
  make_authoring_folder(dir.path());
  test::run_generator(dir.path(), "make_completion.cmake",
                      {"TOOL=" + test::layout_tool().string(),
                       "TEMPLATE=" + (test::generator_dir() / "scenario-tool.bash.in").string(),
                       "OUT=completion.bash"});
  expect_completions(dir.path(), dir / "completion.bash",
                     {
                         {"scenario-tool ", {"compile", "help", "new"}},
                         {"scenario-tool --", {"--help", "--version"}},
                         {"scenario-tool compile --", {"--format", "--help", "--json", "--out"}},
                         {"scenario-tool compile --format ", {"csv", "json", "text"}},
                         {"scenario-tool compile --out ", {"work"}},
                         {"scenario-tool compile --json ",
                          {"A_51827-.txt", "A_linea.txt", "two words_linea.txt", "work"}},
                         {"scenario-tool help c", {"compile"}},
                         {"scenario-tool new ", {"work"}},
                         {"scenario-tool new x --line-name ", {}},
                     });
}

}  // namespace
}  // namespace scn
