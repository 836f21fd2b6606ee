// Command-line options of the authoring tool: positional arguments, flags
// and options with a value, checked against the command's help entry.
#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tool/cli/command_help.h"

namespace scn::tool {

// A command line the command cannot run with; the message says why.
struct usage_error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// "--help" or "-h" was given: the command prints its help and does nothing else.
struct help_requested {
  const command_help* command;
};

struct options {
  std::vector<std::string> positional;
  std::set<std::string> flags;
  std::map<std::string, std::string> values;

  bool has(const std::string& flag) const { return flags.count(flag) != 0; }
  std::string value_or(const std::string& name, const std::string& fallback) const;
};

// Parses the arguments after the command name against the options and the
// number of arguments of `command`; throws usage_error (naming the closest
// valid option for an unknown one) or help_requested.
options parse_options(const std::vector<std::string>& args, const command_help& command);

// The same for the command of that name in the help table.
options parse_options(const std::vector<std::string>& args, std::string_view command);

}  // namespace scn::tool
