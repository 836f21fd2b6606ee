// The help table, the option parser built on it, and the suggestions for
// mistyped names.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/process.h"
#include "tool/cli/closest_name.h"
#include "tool/cli/command_help.h"
#include "tool/cli/options.h"

namespace scn::tool {
namespace {

TEST(ClosestName, SuggestsOnlyNamesWithinATypingMistake) {
  const std::vector<std::string> commands{"sources", "compile", "check", "dump", "plot", "new"};
  const struct {
    const char* typed;
    const char* expected;  // "" for no suggestion
  } cases[] = {
      {"compil", "compile"}, {"compiel", "compile"}, {"chek", "check"}, {"dmup", "dump"},
      {"plt", "plot"},       {"co", "compile"},      {"xyzzy", ""},     {"lsp", ""},
  };
  for (const auto& c : cases) {
    const auto near = closest_name(c.typed, commands);
    EXPECT_EQ(near.value_or(""), c.expected) << c.typed;
  }
}

TEST(Options, ParsedAgainstTheHelpTable) {
  const auto o =
      parse_options({"L_linea.txt", "--out=bin", "--json", "T-.txt", "--no-plan"}, "compile");
  EXPECT_EQ(o.positional, (std::vector<std::string>{"L_linea.txt", "T-.txt"}));
  EXPECT_EQ(o.value_or("--out", "."), "bin");
  EXPECT_TRUE(o.has("--json"));
  EXPECT_TRUE(o.has("--no-plan"));
  EXPECT_FALSE(o.has("--as-program"));
  EXPECT_EQ(o.value_or("--line-name", "default"), "default");

  const struct {
    std::vector<std::string> args;
    const char* message;
  } refused[] = {
      {{"a", "b", "--jsn"}, "unknown option --jsn (did you mean --json?)"},
      {{"a", "b", "--ot=x"}, "unknown option --ot (did you mean --out?)"},
      {{"a", "b", "c"}, "unexpected argument c"},
      {{"a"}, "missing arguments: 2 needed, 1 given"},
      {{"a", "b", "--out"}, "--out"},
      {{"a", "b", "--out", "x", "--out", "y"}, "--out"},
  };
  for (const auto& r : refused) {
    try {
      parse_options(r.args, "compile");
      ADD_FAILURE() << r.message;
    } catch (const usage_error& e) {
      EXPECT_NE(std::string(e.what()).find(r.message), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(parse_options({"--help"}, "compile"), help_requested);
  EXPECT_THROW(parse_options({"x", "-h"}, "dump"), help_requested);
}

// The reference in docs/ names every command and every option the tool takes.
TEST(CommandHelp, DocumentedInTheCommandReference) {
  const auto doc = test::read_bytes(test::source_path("docs/commands.md"));
  for (const auto& c : all_command_help()) {
    EXPECT_NE(doc.find("## `" + std::string(c.name)), std::string::npos) << c.name;
    for (const auto& o : c.options) {
      EXPECT_NE(doc.find(std::string(o.name)), std::string::npos) << c.name << " " << o.name;
    }
  }
}

}  // namespace
}  // namespace scn::tool
