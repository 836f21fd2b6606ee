// "check": compile in memory in analysis mode, write nothing, and report
// every finding at its file, line and column.
#include <cstdio>

#include "tool/check/finding_report.h"
#include "tool/cli/check_run.h"
#include "tool/cli/check_summary.h"
#include "tool/cli/commands.h"
#include "tool/cli/compile_identity.h"
#include "tool/cli/input_files.h"
#include "tool/cli/options.h"
#include "tool/cli/output_safety.h"
#include "tool/cli/standard_output.h"

namespace scn::tool {

namespace {

constexpr int exit_clean = 0;
constexpr int exit_errors = 2;

}  // namespace

int command_check(const std::vector<std::string>& args, platform&) {
  const auto o = parse_options(args, "check");
  const std::string format = o.value_or("--format", "text");
  if (format != "text" && format != "json")
    throw usage_error("--format takes text or json, not \"" + format + "\"");
  const auto id = identity_for(o, o.positional[0], o.positional[1]);
  require_standard_output_apart_from_inputs(o.positional);
  // A missing or unreadable input is a file_error: exit 1, it could not run.
  const std::string line = read_input(o.positional[0]);
  const std::string train = read_input(o.positional[1]);
  pair_analysis a;
  analyse_pair(a, id, line, train);
  if (o.has("--werror"))
    for (auto& f : a.findings) f.error = true;
  const reported_files files{{o.positional[0], a.line_text ? &*a.line_text : nullptr},
                             {o.positional[1], a.train_text ? &*a.train_text : nullptr}};
  const std::string text =
      format == "json" ? render_json(a.findings, files)
                       : render_human(a.findings, files) + summary_line(a.findings, a.compiled.s);
  checked_output out(stdout);
  out.buffer() = text;
  out.write();
  return count_errors(a.findings) > 0 ? exit_errors : exit_clean;
}

}  // namespace scn::tool
