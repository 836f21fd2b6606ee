// "compile": the finishing procedure over any line and train description,
// leaving the inputs untouched. Strict by default: a compile that sets a
// status writes nothing and explains itself as "check" does.
#include <algorithm>
#include <cstdio>

#include "catalogue/status_catalogue.h"
#include "pipeline/disk_description_files.h"
#include "pipeline/fatal_report.h"
#include "pipeline/pipeline.h"
#include "pipeline/run_files.h"
#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "platform/run_ended.h"
#include "tool/check/finding_report.h"
#include "tool/cli/check_run.h"
#include "tool/cli/commands.h"
#include "tool/cli/compile_identity.h"
#include "tool/cli/identity_names.h"
#include "tool/cli/input_files.h"
#include "tool/cli/output_safety.h"
#include "tool/text/json_text.h"

namespace scn::tool {

namespace {

struct compile_result {
  std::string error;       // the one line of a failure; empty when there was none
  std::string fatal;       // "1250" / "1251" when the stamping stopped the run
  bool held_back = false;  // a status kept the files from being written
  std::vector<std::string> files;
};

// Thrown from the first write when a status holds the files back.
struct files_held_back {};

void print_json(const scenario& s, const compile_result& r,
                const nlohmann::ordered_json* findings = nullptr) {
  nlohmann::ordered_json doc;
  doc["status_code"] = s.status_code;
  doc["status_position"] = s.status_position;
  // The line names a file as the system gave it: shown as a file name is.
  doc["error"] = r.error.empty() ? nlohmann::ordered_json()
                                 : nlohmann::ordered_json(file_name_to_utf8(r.error));
  if (!r.fatal.empty()) doc["fatal_error"] = std::stoi(r.fatal);
  auto files = nlohmann::ordered_json::array();
  for (const auto& f : r.files) files.push_back(file_name_to_utf8(f));
  doc["files"] = files;
  if (findings != nullptr) doc["findings"] = *findings;
  std::fputs(json_line(doc).c_str(), stdout);
}

// The findings of the pair, printed exactly as "check" prints them.
void print_findings(const options& o, const compile_identity& id, platform& p) {
  command_check({o.positional[0], o.positional[1], "--line-name", id.line_name, "--train-number",
                 id.train_number},
                p);
}

// The findings of the pair as "check --format json" lists them.
nlohmann::ordered_json findings_of(const options& o, const compile_identity& id) {
  pair_analysis a;
  analyse_pair(a, id, read_input(o.positional[0]), read_input(o.positional[1]));
  const reported_files files{{o.positional[0], a.line_text ? &*a.line_text : nullptr},
                             {o.positional[1], a.train_text ? &*a.train_text : nullptr}};
  return nlohmann::ordered_json::parse(render_json(a.findings, files))["findings"];
}

int finish(const scenario& s, const compile_result& r, bool json,
           const nlohmann::ordered_json* findings) {
  if (json) print_json(s, r, findings);
  if (!r.error.empty()) return 1;
  if (s.status_code == 0) return 0;
  std::fprintf(stderr, "scenario-tool: %s: %s\n", r.held_back ? "error" : "warning",
               describe_status(s.status_code, s.status_position).c_str());
  if (r.held_back) {
    std::fputs("scenario-tool: nothing written (--as-program writes the files anyway)\n", stderr);
  }
  return 2;
}

// A command line that cannot run still answers in JSON when JSON was asked
// for, with the reason as its error; the message on standard error follows.
void print_json_error(const std::vector<std::string>& args, const std::string& error) {
  if (std::find(args.begin(), args.end(), "--json") == args.end()) return;
  scenario none;
  compile_result r;
  r.error = error;
  print_json(none, r);
}

template <typename Step>
auto or_json_error(const std::vector<std::string>& args, Step step) {
  try {
    return step();
  } catch (const usage_error& e) {
    print_json_error(args, e.what());
    throw;
  } catch (const file_error& e) {
    print_json_error(args, e.what());
    throw;
  }
}

}  // namespace

int command_compile(const std::vector<std::string>& args, platform& p) {
  const auto o = or_json_error(args, [&] { return parse_options(args, "compile"); });
  const auto id =
      or_json_error(args, [&] { return identity_for(o, o.positional[0], o.positional[1]); });
  const bool json = o.has("--json");
  const bool as_program = o.has("--as-program");
  const std::string folder = o.value_or("--out", ".");
  scenario s;
  s.line_name = id.line_name;
  s.train_number = id.train_number;
  const auto names = make_run_files(folder, p.path_separator(), s.line_name, s.train_number);
  std::int32_t j = o.has("--no-plan") ? 0 : 1;
  or_json_error(args, [&] {
    require_output_named(folder);
    require_compile_outputs_safe(names, j != 0, {o.positional[0], o.positional[1]});
    return 0;
  });
  disk_description_files sources(o.positional[0], o.positional[1], false);
  compile_result result;
  finishing_io io;
  io.sources = &sources;
  io.plan_file = names.plan;
  io.item_file = names.items;
  io.cell_file = names.cells;
  io.errore = [&](const std::string& a) {
    result.fatal = a;
    result.error = error_message(a).substr(1);
    if (!json) p.show_message(error_message(a));
    throw run_ended{1};
  };
  io.write_file = [&](const std::string& name, const byte_pieces& pieces) {
    if (s.status_code != 0 && !as_program) throw files_held_back{};
    if (result.files.empty()) prepare_output_folder(folder);
    replace_file_in_pieces(name, pieces);
    result.files.push_back(base_name(name));
  };
  io.write_placed_file = [&](const std::string& name, std::uint64_t size,
                             const placed_pieces& pieces) {
    if (s.status_code != 0 && !as_program) throw files_held_back{};
    if (result.files.empty()) prepare_output_folder(folder);
    replace_file_placed(name, pieces, size);
    result.files.push_back(base_name(name));
  };
  try {
    require_input(o.positional[0]);
    require_input(o.positional[1]);
    check_output_folder(folder);
    memorizza_percorso(s, j, io);
    // A compile that stops before the output step (no usable line) writes
    // nothing by itself; it is held back all the same.
    result.held_back = s.status_code != 0 && !as_program;
  } catch (const run_ended& e) {
    // The fatal report has said why; any other end of the run says so here.
    if (result.error.empty()) {
      result.error = "the run ended with exit status " + std::to_string(e.exit_status);
    }
  } catch (const files_held_back&) {
    result.held_back = true;
  } catch (const file_error& e) {
    result.error = e.what();
    std::fprintf(stderr, "scenario-tool: %s\n", e.what());
  }
  // A compile held back explains itself with check's findings: printed as
  // check prints them, or in the JSON object.
  if (result.held_back && !json) print_findings(o, id, p);
  if (result.held_back && json) {
    const auto findings = findings_of(o, id);
    return finish(s, result, json, &findings);
  }
  return finish(s, result, json, nullptr);
}

}  // namespace scn::tool
