// The findings of check for a pair.
#include "tool/lsp/pair_diagnostics.h"

#include <memory>

#include "pipeline/memory_compile.h"
#include "tool/check/check_findings.h"

namespace scn::tool::lsp {

std::vector<pair_finding> diagnose_pair(const pair_sources& sources) {
  auto compiled = std::make_unique<memory_compile>();
  // Analysis mode: every refused record of both texts, not only the first.
  compile_trace trace;
  trace.set_recovering(true);
  // Without a train description the line compiles with an empty one.
  compile_in_memory(*compiled, sources.line_name, sources.train_number, sources.line,
                    sources.train ? sources.train : std::string(), {.trace = &trace});
  std::optional<source_text> line_text, train_text;
  if (sources.line) line_text.emplace(*sources.line);
  if (sources.train) train_text.emplace(*sources.train);
  const compile_outcome outcome{
      compiled->s,
      trace,
      compiled->fatal_error,
      {line_text ? &*line_text : nullptr, train_text ? &*train_text : nullptr}};

  std::vector<pair_finding> out;
  for (const auto& f : all_findings(outcome)) {
    if (!sources.train && f.file == description::train) continue;
    pair_finding p{f.file, f.where, f.error, f.code, f.message, f.suggestion, {}};
    for (const auto& r : f.related) p.related.push_back({r.file, r.where, r.message});
    out.push_back(std::move(p));
  }
  return out;
}

}  // namespace scn::tool::lsp
