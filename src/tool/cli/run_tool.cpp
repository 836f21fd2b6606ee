// Dispatch of the authoring tool's subcommands.
#include <cstdio>
#include <map>

#include "platform/file_error.h"
#include "tool/cli/commands.h"
#include "tool/cli/options.h"
#include "tool/cli/standard_output.h"

namespace scn::tool {

namespace {

using command_fn = int (*)(const std::vector<std::string>&, platform&);

const std::map<std::string, command_fn>& command_table() {
  static const std::map<std::string, command_fn> table = {
      {"sources", command_sources}, {"compile", command_compile}, {"check", command_check},
      {"dump", command_dump},       {"plot", command_plot},       {"lsp", command_lsp},
  };
  return table;
}

constexpr const char* usage_text =
    "usage: scenario-tool COMMAND ...\n"
    "  sources [--out DIR]\n"
    "      write the embedded scenario's five text files\n"
    "  compile LINE TRAIN [--out DIR] [--line-name NAME] [--train-number NUMBER]\n"
    "          [--no-plan] [--json]\n"
    "      compile a line and a train description into the three binary files\n"
    "  check LINE TRAIN\n"
    "      compile in memory and explain every problem found\n"
    "  dump FILE [--format text|csv|json]\n"
    "      decode a cell file (.dat), an item file (.sim) or a plan file (_linea.dat)\n"
    "  plot LINE TRAIN --out FILE.svg\n"
    "  plot CELLS.dat ITEMS.sim [LINE_linea.dat] --out FILE.svg\n"
    "      draw the plan and the profile of a scenario\n"
    "  lsp [--stdio]\n"
    "      serve the language server protocol on standard input and output\n";

}  // namespace

int run_tool(const std::vector<std::string>& argv, platform& p) {
  if (argv.size() < 2 || argv[1] == "--help" || argv[1] == "-h") {
    std::fputs(usage_text, argv.size() < 2 ? stderr : stdout);
    return finish_standard_output(argv.size() < 2 ? 1 : 0);
  }
  const auto it = command_table().find(argv[1]);
  if (it == command_table().end()) {
    std::fprintf(stderr, "scenario-tool: unknown command \"%s\"\n%s", argv[1].c_str(), usage_text);
    return 1;
  }
  try {
    const int status = it->second(std::vector<std::string>(argv.begin() + 2, argv.end()), p);
    return finish_standard_output(status);
  } catch (const usage_error& e) {
    std::fprintf(stderr, "scenario-tool %s: %s\n%s", argv[1].c_str(), e.what(), usage_text);
    return 1;
  } catch (const file_error& e) {
    std::fprintf(stderr, "scenario-tool: %s\n", e.what());
    return 1;
  }
}

}  // namespace scn::tool
