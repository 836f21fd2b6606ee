// "plot": the route picture of a scenario, from its two descriptions
// (compiled in memory) or from its binary files.
#include <cstdio>

#include "formats/cell_file.h"
#include "formats/decode_error.h"
#include "formats/item_file.h"
#include "formats/plan_file.h"
#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "plot/plot_svg.h"
#include "tool/cli/commands.h"
#include "tool/cli/compile_identity.h"
#include "tool/cli/memory_compile.h"
#include "tool/cli/options.h"
#include "tool/cli/output_safety.h"
#include "tool/dump/dump_rows.h"

namespace scn::tool {

namespace {

bool is_description(const std::string& name) {
  return name.size() >= 4 && name.compare(name.size() - 4, 4, ".txt") == 0;
}

std::string must_read(const std::string& name) {
  const binary_kind kind = kind_of_file(name);
  const std::string what = std::string("a ") + kind_noun(kind) + " file";
  auto bytes = read_file(name, {largest_file(kind), what.c_str()});
  if (!bytes) throw file_error(name, "read", "No such file");
  return std::move(*bytes);
}

// The model as the binary files hold it: cells, items and, if given, the plan.
void load_binary(scenario& s, const std::vector<std::string>& names) {
  for (const auto& name : names) {
    if (!file_exists(name)) throw file_error(name, "read", "No such file");
    // The plan file, by far the largest, is decoded as it is read.
    const std::string bytes = kind_of_file(name) == binary_kind::plan ? "" : must_read(name);
    try {
      switch (kind_of_file(name)) {
        case binary_kind::cells:
          s.track_cells = decode_cell_file(bytes);
          break;
        case binary_kind::items:
          s.items = decode_item_file(bytes);
          break;
        case binary_kind::plan:
          s.plan = decode_plan_pieces(
              file_in_pieces(name, {largest_file(binary_kind::plan), "a plan file"}));
          break;
      }
    } catch (const decode_error& e) {
      throw file_error(name, "decode", e.what());
    }
  }
  s.last_cell = static_cast<std::int32_t>(s.track_cells.size()) - 1;
  if (s.plan.exists()) s.plan_length = static_cast<std::int32_t>(s.plan.points()) - 1;
  s.output_switch = s.plan.exists() ? 1 : 0;
  s.line_name = s.items[line_row].text;
  s.train_number = s.items[train_row].text;
}

}  // namespace

int command_plot(const std::vector<std::string>& args, platform&) {
  const auto o = parse_options(args, {{}, {"--out", "--line-name", "--train-number"}, 2, 3});
  const std::string out = o.value_or("--out", "");
  if (out.empty()) throw usage_error("plot needs --out FILE.svg");
  require_output_names_usable({out}, "--out");
  require_outputs_apart_from_inputs({out}, o.positional);
  memory_compile compiled;
  if (is_description(o.positional[0])) {
    if (o.positional.size() != 2) throw usage_error("plot takes LINE and TRAIN descriptions");
    const auto id = identity_for(o, o.positional[0], o.positional[1]);
    compile_in_memory(compiled, id, read_file(o.positional[0]), read_file(o.positional[1]),
                      nullptr);
  } else {
    load_binary(compiled.s, o.positional);
  }
  replace_file(out, plot::render_plot_svg(compiled.s));
  return 0;
}

}  // namespace scn::tool
