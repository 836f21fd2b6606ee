// "check": compile in memory, write nothing, and explain every finding at
// its file, line and column, with the source line and a caret.
#include <cstdio>

#include "platform/file_error.h"
#include "tool/check/check_findings.h"
#include "tool/check/source_lines.h"
#include "tool/cli/commands.h"
#include "tool/cli/compile_identity.h"
#include "tool/cli/input_files.h"
#include "tool/cli/memory_compile.h"
#include "tool/cli/options.h"
#include "tool/cli/output_safety.h"

namespace scn::tool {

namespace {

struct checked_file {
  std::string name;
  std::optional<std::string> bytes;
  // The file split into lines once, however many findings quote it.
  std::vector<std::string> lines;
};

checked_file read_checked(const std::string& name) {
  checked_file f{name, read_input(name), {}};
  if (f.bytes) {
    for (auto& line : split_lines(*f.bytes)) f.lines.emplace_back(line);
  }
  return f;
}

void print_finding(const finding& f, const checked_file& file) {
  const char* severity = f.error ? "error" : "warning";
  if (f.where.line <= 0) {
    std::printf("%s: %s: %s\n", file.name.c_str(), severity, f.message.c_str());
    return;
  }
  std::printf("%s:%d:%d: %s: %s\n", file.name.c_str(), f.where.line, f.where.column, severity,
              f.message.c_str());
  const auto index = static_cast<std::size_t>(f.where.line - 1);
  if (index >= file.lines.size()) return;
  std::printf("%s\n%s\n", quoted_line(file.lines[index]).c_str(),
              caret_line(file.lines[index], f.where.column).c_str());
}

}  // namespace

int command_check(const std::vector<std::string>& args, platform&) {
  const auto o = parse_options(args, "check");
  const auto id = identity_for(o, o.positional[0], o.positional[1]);
  require_standard_output_apart_from_inputs(o.positional);
  const checked_file line = read_checked(o.positional[0]);
  const checked_file train = read_checked(o.positional[1]);
  memory_compile compiled;
  compile_trace trace;
  compile_in_memory(compiled, id, line.bytes, train.bytes, &trace);

  const compile_outcome outcome{compiled.s, trace, compiled.fatal_error};
  auto findings = explain_status(outcome);
  const auto warnings = lint_records(outcome);
  findings.insert(findings.end(), warnings.begin(), warnings.end());
  for (const auto& f : findings) print_finding(f, f.file == description::line ? line : train);
  return findings.empty() ? 0 : 2;
}

}  // namespace scn::tool
