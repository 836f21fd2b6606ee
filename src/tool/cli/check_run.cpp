// Compiling a pair in analysis mode and collecting its findings.
#include "tool/cli/check_run.h"

namespace scn::tool {

void analyse_pair(pair_analysis& out, const compile_identity& id,
                  const std::optional<std::string>& line, const std::optional<std::string>& train) {
  out.line_bytes = line;
  out.train_bytes = train;
  out.trace.set_recovering(true);
  compile_in_memory(out.compiled, id.line_name, id.train_number, out.line_bytes, out.train_bytes,
                    {.trace = &out.trace});
  if (out.line_bytes) out.line_text.emplace(*out.line_bytes);
  if (out.train_bytes) out.train_text.emplace(*out.train_bytes);
  const description_bytes bytes{out.line_text ? &*out.line_text : nullptr,
                                out.train_text ? &*out.train_text : nullptr};
  const compile_outcome outcome{out.compiled.s, out.trace, out.compiled.fatal_error, bytes};
  out.findings = all_findings(outcome);
}

}  // namespace scn::tool
