// Parsing of the tool's command-line options.
#include "tool/options.h"

namespace scn::tool {

std::string options::value_or(const std::string& name, const std::string& fallback) const {
  const auto it = values.find(name);
  return it == values.end() ? fallback : it->second;
}

options parse_options(const std::vector<std::string>& args, const option_spec& spec) {
  options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() > 2 && a.rfind("--", 0) == 0) {
      if (spec.flags.count(a) != 0) {
        o.flags.insert(a);
      } else if (spec.with_values.count(a) != 0) {
        if (i + 1 >= args.size()) throw usage_error("option " + a + " needs a value");
        o.values[a] = args[++i];
      } else {
        throw usage_error("unknown option " + a);
      }
    } else {
      o.positional.push_back(a);
    }
  }
  if (o.positional.size() < spec.min_positional) throw usage_error("missing arguments");
  if (o.positional.size() > spec.max_positional) {
    throw usage_error("unexpected argument " + o.positional[spec.max_positional]);
  }
  return o;
}

}  // namespace scn::tool
