// "dump": a cell, item or plan file as readable rows.
#include <cstdio>

#include "formats/decode_error.h"
#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "tool/cli/commands.h"
#include "tool/cli/options.h"
#include "tool/dump/dump_rows.h"

namespace scn::tool {

int command_dump(const std::vector<std::string>& args, platform&) {
  const auto o = parse_options(args, {{}, {"--format"}, 1, 1});
  const std::string format = o.value_or("--format", "text");
  if (format != "text" && format != "csv" && format != "json") {
    throw usage_error("unknown format " + format + " (text, csv or json)");
  }
  const std::string& name = o.positional[0];
  const auto bytes = read_file(name);
  if (!bytes) throw file_error(name, "read", "No such file");
  try {
    const auto kind = kind_of_file(name);
    const dump_table t = kind == binary_kind::plan    ? dump_plan(*bytes)
                         : kind == binary_kind::items ? dump_items(*bytes)
                                                      : dump_cells(*bytes);
    const std::string out = format == "csv"    ? render_csv(t)
                            : format == "json" ? render_json(t)
                                               : render_text(t);
    std::fwrite(out.data(), 1, out.size(), stdout);
  } catch (const decode_error& e) {
    std::fprintf(stderr, "scenario-tool: %s: not a valid %s file %s\n", name.c_str(),
                 kind_of_file(name) == binary_kind::plan    ? "plan"
                 : kind_of_file(name) == binary_kind::items ? "item"
                                                            : "cell",
                 e.what());
    return 1;
  }
  return 0;
}

}  // namespace scn::tool
