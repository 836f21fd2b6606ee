// The subcommands of the authoring tool. Each returns the exit status.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace scn::tool {

int command_sources(const std::vector<std::string>& args, platform& p);
int command_compile(const std::vector<std::string>& args, platform& p);
int command_check(const std::vector<std::string>& args, platform& p);
int command_dump(const std::vector<std::string>& args, platform& p);
int command_plot(const std::vector<std::string>& args, platform& p);
int command_new(const std::vector<std::string>& args, platform& p);
int command_lsp(const std::vector<std::string>& args, platform& p);
int command_decompile(const std::vector<std::string>& args, platform& p);

// Dispatches "scenario-tool COMMAND ARGS..."; answers --help, --version and
// "help COMMAND", and names the closest valid command or option on a bad call.
int run_tool(const std::vector<std::string>& argv, platform& p);

}  // namespace scn::tool
