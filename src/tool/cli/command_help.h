// The help of every command of the authoring tool, kept in one table: what
// "scenario-tool help COMMAND" and "COMMAND --help" print, what the option
// parser accepts, and what a packaging step can turn into manual pages.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scn::tool {

struct option_help {
  std::string_view name;   // "--out"
  std::string_view value;  // "DIR"; empty for a flag
  std::string_view text;
};

struct command_help {
  std::string_view name;
  std::string_view synopsis;     // usage lines without "scenario-tool ", one per '\n'
  std::string_view summary;      // one line
  std::string_view description;  // paragraphs, lines wrapped
  std::vector<option_help> options;
  std::size_t min_arguments = 0;  // positional arguments
  std::size_t max_arguments = 0;
  std::string_view example;        // shell lines, one per '\n'
  std::string_view exit_statuses;  // "0 ...\n1 ...\n2 ..."
};

// Every command, in the order the overview lists them.
const std::vector<command_help>& all_command_help();

// The command of that name, or null.
const command_help* find_command_help(std::string_view name);

// The full help of one command: usage, description, options, example and
// exit statuses.
std::string render_command_help(const command_help& c);

// The list of commands with their summaries, for "scenario-tool --help".
std::string render_tool_overview();

}  // namespace scn::tool
