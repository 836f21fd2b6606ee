// "plot": the route picture of a scenario, from its two descriptions
// (compiled in memory) or from its binary files.
#include <cstdio>

#include "catalogue/status_catalogue.h"
#include "formats/cell_file.h"
#include "formats/decode_error.h"
#include "formats/item_file.h"
#include "formats/plan_file.h"
#include "pipeline/fatal_report.h"
#include "pipeline/memory_compile.h"
#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "plot/plot_svg.h"
#include "plot/png_render.h"
#include "tool/cli/commands.h"
#include "tool/cli/compile_identity.h"
#include "tool/cli/input_files.h"
#include "tool/cli/options.h"
#include "tool/cli/output_safety.h"
#include "tool/dump/dump_rows.h"

namespace scn::tool {

namespace {

bool is_description(const std::string& name) {
  return name.size() >= 4 && name.compare(name.size() - 4, 4, ".txt") == 0;
}

// A binary input, refused unread when larger than any file of its kind.
std::string must_read(const std::string& name) {
  const binary_kind kind = kind_of_file(name);
  const std::string what = std::string("a ") + kind_noun(kind) + " file";
  return read_input(name, {largest_file(kind), what.c_str()});
}

std::string lower_extension(const std::string& name) {
  const auto base = name.find_last_of("/\\");
  const auto dot = name.rfind('.');
  if (dot == std::string::npos || (base != std::string::npos && dot < base)) return "";
  std::string ext = name.substr(dot + 1);
  for (auto& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return ext;
}

// The picture in the format the output name asks for.
std::string picture_bytes(const scenario& s, const std::string& out) {
  const std::string ext = lower_extension(out);
  if (ext == "svg") return plot::render_plot_svg(s);
  std::string why;
  if (const auto png = plot::render_png(plot::render_plot_svg(s), why)) return *png;
  throw file_error(out, "write", why);
}

// What a scenario compiled from descriptions left to say besides the picture.
int compile_warning(const memory_compile& compiled) {
  const scenario& s = compiled.s;
  if (!compiled.fatal_error.empty()) {
    std::fprintf(stderr, "scenario-tool: warning: the stamping stopped with%s\n",
                 error_message(compiled.fatal_error).c_str());
    return 2;
  }
  if (s.status_code == 0) return 0;
  std::fprintf(stderr, "scenario-tool: warning: %s (drawn with a banner)\n",
               describe_status(s.status_code, s.status_position).c_str());
  return 2;
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
  const auto o = parse_options(args, "plot");
  const std::string out = o.value_or("--out", "");
  if (out.empty()) throw usage_error("plot needs --out FILE.svg or --out FILE.png");
  require_output_names_usable({out}, "--out");
  require_outputs_apart_from_inputs({out}, o.positional);
  const std::string ext = lower_extension(out);
  if (ext != "svg" && ext != "png") {
    throw usage_error("--out " + out + ": the picture's name must end in .svg or .png");
  }
  if (ext == "png" && !plot::png_rendering_available()) {
    throw file_error(out, "write", "this build cannot write PNG; write .svg instead");
  }
  memory_compile compiled;
  int status = 0;
  if (is_description(o.positional[0])) {
    if (o.positional.size() != 2) throw usage_error("plot takes LINE and TRAIN descriptions");
    const auto id = identity_for(o, o.positional[0], o.positional[1]);
    const std::string line = read_input(o.positional[0]);
    const std::string train = read_input(o.positional[1]);
    compile_in_memory(compiled, id.line_name, id.train_number, line, train);
    status = compile_warning(compiled);
  } else {
    load_binary(compiled.s, o.positional);
  }
  replace_file(out, picture_bytes(compiled.s, out));
  return status;
}

}  // namespace scn::tool
