// The manual pages are made from the help text the programs print, so they
// say what the programs say; they render without a warning, and text that
// roff would take for its own (a leading dot or apostrophe, a backslash)
// comes out as it was printed.
#include <gtest/gtest.h>

#include <sstream>

#include "packaging/help_files.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

// Undoes the escapes the generator writes: \- \e \&.
std::string unescape_roff(const std::string& page) {
  std::string out;
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (page[i] != '\\' || i + 1 == page.size()) {
      out += page[i];
      continue;
    }
    const char next = page[++i];
    if (next == '-') {
      out += '-';
    } else if (next == 'e') {
      out += '\\';
    } else if (next != '&') {
      out += std::string{'\\', next};
    }
  }
  return out;
}

std::string tool_help(const std::string& args) {
  test::scratch_dir dir;
  const auto r = test::run_in(dir.path(), test::tool() + args);
  EXPECT_EQ(r.exit_status, 0) << args << ": " << r.errors;
  return r.output;
}

// Every line of `text` that holds more than blanks, without its trailing
// blanks, is a line of `rendered` (which indents it).
void expect_lines_rendered(const std::string& text, const std::string& rendered) {
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    line.erase(line.find_last_not_of(' ') + 1);
    if (line.find_first_not_of(' ') == std::string::npos) continue;
    EXPECT_NE(rendered.find(line + "\n"), std::string::npos) << "not rendered: " << line;
  }
}

TEST(ManPages, ShowTheHelpTextTheProgramsPrint) {
  const auto tool_page = test::read_bytes(test::generated_dir() / "man1/scenario-tool.1");
  const auto help = tool_help(" --help");
  ASSERT_FALSE(help.empty());
  EXPECT_NE(unescape_roff(tool_page).find(help), std::string::npos) << tool_page;

  const auto page = test::read_bytes(test::generated_dir() / "man1/scenario.1");
  auto text = test::read_bytes(test::generator_dir() / "scenario.help");
  ASSERT_FALSE(text.empty());
  text.erase(text.find_last_not_of('\n') + 1);
  EXPECT_NE(unescape_roff(page).find(text + "\n"), std::string::npos) << page;
}

TEST(ManPages, CarryTheProjectVersion) {
  for (const char* name : {"scenario.1", "scenario-tool.1"}) {
    const auto page = test::read_bytes(test::generated_dir() / "man1" / name);
    const auto title = page.substr(0, page.find('\n'));
    EXPECT_EQ(title.rfind(".TH ", 0), 0u) << name;
    EXPECT_NE(title.find(" " SCENARIO_VERSION "\""), std::string::npos) << title;
  }
}

TEST(ManPages, RenderWithoutWarnings) {
  if (!test::have_program("man")) GTEST_SKIP() << "man is not installed";
  test::scratch_dir dir;
  std::string warnings;
  const auto tool =
      test::render_man_page(dir.path(), test::generated_dir() / "man1/scenario-tool.1", warnings);
  EXPECT_EQ(warnings, "");
  EXPECT_NE(tool.find("SCENARIO-TOOL(1)"), std::string::npos) << tool;
  expect_lines_rendered(tool_help(" --help"), tool);

  const auto program =
      test::render_man_page(dir.path(), test::generated_dir() / "man1/scenario.1", warnings);
  EXPECT_EQ(warnings, "");
  expect_lines_rendered(test::read_bytes(test::generator_dir() / "scenario.help"), program);
}

// A help laid out by an option-parsing library, with a command help for
// every command and text that needs escaping.
TEST(ManPages, GeneratorTakesEachCommandsHelpAndEscapesIt) {
  test::scratch_dir dir;
  test::run_generator(dir.path(), "make_man_page.cmake",
                      {"PROGRAM=scenario-tool", "TOOL=" + test::layout_tool().string(),
                       "VERSION=9.8.7", "SUMMARY=a stand-in", "OUT=tool.1"});
  const auto page = test::read_bytes(dir / "tool.1");
  EXPECT_NE(page.find(".SS compile\n"), std::string::npos) << page;
  EXPECT_NE(page.find(".SS new\n"), std::string::npos) << page;
  EXPECT_NE(page.find(".SS help\n"), std::string::npos) << page;
  EXPECT_EQ(page.find(".SS scenario"), std::string::npos) << "an example line is no command";
  if (!test::have_program("man")) GTEST_SKIP() << "man is not installed";
  std::string warnings;
  const auto rendered = test::render_man_page(dir.path(), dir / "tool.1", warnings);
  EXPECT_EQ(warnings, "");
  const auto help = test::run_in(dir.path(), test::quoted(test::layout_tool()) + " help compile");
  ASSERT_EQ(help.exit_status, 0);
  expect_lines_rendered(help.output, rendered);
  EXPECT_NE(rendered.find(".starts with a dot\n"), std::string::npos) << rendered;
}

TEST(ScenarioTool, VersionIsTheProjectVersion) {
  test::scratch_dir dir;
  const auto r = test::run_in(dir.path(), test::tool() + " --version");
  EXPECT_EQ(r.exit_status, 0) << r.errors;
  EXPECT_NE(r.output.find(SCENARIO_VERSION), std::string::npos) << r.output;
}

}  // namespace
}  // namespace scn
