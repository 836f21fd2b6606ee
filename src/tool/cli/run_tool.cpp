// Dispatch of the authoring tool's subcommands, with the help and version
// answers that every command shares.
#include <cstdio>
#include <map>

#include "platform/file_error.h"
#include "tool/cli/closest_name.h"
#include "tool/cli/command_help.h"
#include "tool/cli/commands.h"
#include "tool/cli/options.h"
#include "tool/cli/standard_output.h"
#include "tool/cli/tool_version.h"

namespace scn::tool {

namespace {

using command_fn = int (*)(const std::vector<std::string>&, platform&);

int command_help_of(const std::vector<std::string>& args, platform&);

const std::map<std::string, command_fn>& command_table() {
  static const std::map<std::string, command_fn> table = {
      {"sources", command_sources}, {"compile", command_compile}, {"check", command_check},
      {"dump", command_dump},       {"plot", command_plot},       {"new", command_new},
      {"lsp", command_lsp},         {"help", command_help_of},    {"decompile", command_decompile},
  };
  return table;
}

std::string unknown_command_message(const std::string& typed) {
  std::vector<std::string> names;
  for (const auto& [name, fn] : command_table()) names.push_back(name);
  std::string message = "scenario-tool: unknown command \"" + typed + "\"";
  if (const auto near = closest_name(typed, names)) message += " (did you mean \"" + *near + "\"?)";
  return message + "\nRun \"scenario-tool --help\" for the list of commands.\n";
}

int command_help_of(const std::vector<std::string>& args, platform&) {
  const auto o = parse_options(args, "help");
  if (o.positional.empty()) {
    std::fputs(render_tool_overview().c_str(), stdout);
    return 0;
  }
  const command_help* c = find_command_help(o.positional[0]);
  if (c == nullptr) {
    std::fputs(unknown_command_message(o.positional[0]).c_str(), stderr);
    return 1;
  }
  std::fputs(render_command_help(*c).c_str(), stdout);
  return 0;
}

}  // namespace

int run_tool(const std::vector<std::string>& argv, platform& p) {
  if (argv.size() < 2) {
    std::fputs(render_tool_overview().c_str(), stderr);
    return 1;
  }
  const std::string& name = argv[1];
  if (name == "--help" || name == "-h") {
    std::fputs(render_tool_overview().c_str(), stdout);
    return finish_standard_output(0);
  }
  if (name == "--version") {
    std::printf("scenario-tool %s\n", tool_version);
    return finish_standard_output(0);
  }
  const auto it = command_table().find(name);
  if (it == command_table().end()) {
    std::fputs(unknown_command_message(name).c_str(), stderr);
    return 1;
  }
  try {
    const int status = it->second(std::vector<std::string>(argv.begin() + 2, argv.end()), p);
    return finish_standard_output(status);
  } catch (const help_requested& h) {
    std::fputs(render_command_help(*h.command).c_str(), stdout);
    return finish_standard_output(0);
  } catch (const usage_error& e) {
    std::fprintf(stderr,
                 "scenario-tool %s: %s\nRun \"scenario-tool help %s\" for its usage and options.\n",
                 name.c_str(), e.what(), name.c_str());
    return 1;
  } catch (const file_error& e) {
    std::fprintf(stderr, "scenario-tool: %s\n", e.what());
    return 1;
  }
}

}  // namespace scn::tool
