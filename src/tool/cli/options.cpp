// Parsing of the tool's command-line options.
#include "tool/cli/options.h"

namespace scn::tool {

std::string options::value_or(const std::string& name, const std::string& fallback) const {
  const auto it = values.find(name);
  return it == values.end() ? fallback : it->second;
}

options parse_options(const std::vector<std::string>& args, const accepted_options& accepted) {
  options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() > 2 && a.rfind("--", 0) == 0) {
      if (accepted.flags.count(a) != 0) {
        o.flags.insert(a);
      } else if (accepted.with_values.count(a) != 0) {
        if (i + 1 >= args.size()) throw usage_error("option " + a + " needs a value");
        o.values[a] = args[++i];
      } else {
        throw usage_error("unknown option " + a);
      }
    } else {
      o.positional.push_back(a);
    }
  }
  if (o.positional.size() < accepted.min_positional) throw usage_error("missing arguments");
  if (o.positional.size() > accepted.max_positional) {
    throw usage_error("unexpected argument " + o.positional[accepted.max_positional]);
  }
  return o;
}

}  // namespace scn::tool
