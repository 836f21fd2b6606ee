// "compile": the finishing procedure over any line and train description,
// leaving the inputs untouched.
#include <cstdio>

#include "catalogue/status_catalogue.h"
#include "pipeline/disk_description_files.h"
#include "pipeline/fatal_report.h"
#include "pipeline/pipeline.h"
#include "pipeline/run_files.h"
#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "platform/run_ended.h"
#include "tool/cli/commands.h"
#include "tool/cli/compile_identity.h"
#include "tool/cli/identity_names.h"
#include "tool/cli/output_safety.h"
#include "tool/text/json_text.h"

namespace scn::tool {

namespace {

struct compile_result {
  std::string error;  // "1250" / "1251" when the stamping stopped the run
  std::vector<std::string> files;
};

void print_json(const scenario& s, const compile_result& r) {
  std::string files;
  for (const auto& f : r.files) files += (files.empty() ? "" : ", ") + json_string(f);
  std::printf("{\"status_code\": %d, \"status_position\": %d, \"error\": %s, \"files\": [%s]}\n",
              static_cast<int>(s.status_code), static_cast<int>(s.status_position),
              r.error.empty() ? "null" : r.error.c_str(), files.c_str());
}

int finish(const scenario& s, const compile_result& r, bool json, int fatal_status) {
  if (json) print_json(s, r);
  if (fatal_status != 0) return fatal_status;
  if (s.status_code == 0) return 0;
  std::fprintf(stderr, "scenario-tool: warning: %s\n",
               describe_status(s.status_code, s.status_position).c_str());
  return 2;
}

}  // namespace

int command_compile(const std::vector<std::string>& args, platform& p) {
  const auto o = parse_options(
      args, {{"--no-plan", "--json"}, {"--out", "--line-name", "--train-number"}, 2, 2});
  const auto id = identity_for(o, o.positional[0], o.positional[1]);
  const bool json = o.has("--json");
  scenario s;
  s.line_name = id.line_name;
  s.train_number = id.train_number;
  const std::string out = o.value_or("--out", ".");
  require_output_named(out);
  const auto names = make_run_files(out, p.path_separator(), s.line_name, s.train_number);
  std::int32_t j = o.has("--no-plan") ? 0 : 1;
  require_compile_outputs_safe(names, j != 0, {o.positional[0], o.positional[1]});
  disk_description_files sources(o.positional[0], o.positional[1], false);
  compile_result result;
  finishing_io io;
  io.sources = &sources;
  io.plan_file = names.plan;
  io.item_file = names.items;
  io.cell_file = names.cells;
  io.errore = [&](const std::string& a) {
    result.error = a;
    if (!json) p.show_message(error_message(a));
    throw run_ended{1};
  };
  io.write_file = [&](const std::string& name, const byte_pieces& pieces) {
    replace_file_in_pieces(name, pieces);
    result.files.push_back(base_name(name));
  };
  io.write_placed_file = [&](const std::string& name, const placed_pieces& pieces) {
    replace_file_placed(name, pieces);
    result.files.push_back(base_name(name));
  };
  int fatal_status = 0;
  try {
    memorizza_percorso(s, j, io);
  } catch (const run_ended& e) {
    fatal_status = e.exit_status;
  } catch (const file_error& e) {
    std::fprintf(stderr, "scenario-tool: %s\n", e.what());
    fatal_status = 1;
  }
  return finish(s, result, json, fatal_status);
}

}  // namespace scn::tool
