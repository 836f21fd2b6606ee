// Command-line options of the authoring tool: positional arguments, flags
// and options with a value, checked against what each command accepts.
#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace scn::tool {

struct usage_error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct options {
  std::vector<std::string> positional;
  std::set<std::string> flags;
  std::map<std::string, std::string> values;

  bool has(const std::string& flag) const { return flags.count(flag) != 0; }
  std::string value_or(const std::string& name, const std::string& fallback) const;
};

struct accepted_options {
  std::set<std::string> flags;        // e.g. "--json"
  std::set<std::string> with_values;  // e.g. "--out"
  std::size_t min_positional = 0;
  std::size_t max_positional = 0;
};

// Parses the arguments after the command name; throws usage_error.
options parse_options(const std::vector<std::string>& args, const accepted_options& accepted);

}  // namespace scn::tool
