// Parsing of the tool's command-line options with CLI11.
#include "tool/cli/options.h"

#include <CLI/CLI.hpp>

#include "tool/cli/closest_name.h"

namespace scn::tool {

namespace {

std::string unknown_option_message(const std::string& typed, const command_help& command) {
  std::vector<std::string> names{"--help"};
  for (const auto& o : command.options) names.emplace_back(o.name);
  const std::string option = typed.substr(0, typed.find('='));
  std::string message = "unknown option " + option;
  if (const auto near = closest_name(option, names)) message += " (did you mean " + *near + "?)";
  return message;
}

}  // namespace

std::string options::value_or(const std::string& name, const std::string& fallback) const {
  const auto it = values.find(name);
  return it == values.end() ? fallback : it->second;
}

options parse_options(const std::vector<std::string>& args, const command_help& command) {
  CLI::App app{std::string(command.summary), std::string(command.name)};
  app.set_help_flag();
  app.allow_extras();
  bool help = false;
  app.add_flag("-h,--help", help);
  std::map<std::string, bool> flags;
  std::map<std::string, std::string> values;
  for (const auto& o : command.options) {
    const std::string name(o.name);
    if (o.value.empty()) {
      app.add_flag(name, flags[name], std::string(o.text));
    } else {
      app.add_option(name, values[name], std::string(o.text))->type_name(std::string(o.value));
    }
  }
  std::vector<std::string> positional;
  app.add_option("arguments", positional);
  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    if (help) throw help_requested{&command};
    throw usage_error(e.what());
  }
  if (help) throw help_requested{&command};
  for (const auto& extra : app.remaining()) {
    if (extra.size() > 1 && extra[0] == '-')
      throw usage_error(unknown_option_message(extra, command));
    throw usage_error("unexpected argument " + extra);
  }
  if (positional.size() > command.max_arguments) {
    throw usage_error("unexpected argument " + positional[command.max_arguments]);
  }
  if (positional.size() < command.min_arguments) {
    throw usage_error("missing arguments: " + std::to_string(command.min_arguments) + " needed, " +
                      std::to_string(positional.size()) + " given");
  }

  options o;
  o.positional = positional;
  for (const auto& [name, set] : flags) {
    if (set) o.flags.insert(name);
  }
  for (const auto& o_help : command.options) {
    const std::string name(o_help.name);
    if (!o_help.value.empty() && app.get_option(name)->count() > 0) o.values[name] = values[name];
  }
  return o;
}

options parse_options(const std::vector<std::string>& args, std::string_view command) {
  const command_help* c = find_command_help(command);
  if (c == nullptr) throw usage_error("unknown command " + std::string(command));
  return parse_options(args, *c);
}

}  // namespace scn::tool
