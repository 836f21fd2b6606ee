// The findings of check for a pair, and the unrecognised keywords.
#include "tool/lsp/pair_diagnostics.h"

#include <cctype>
#include <memory>

#include "pipeline/memory_compile.h"
#include "tool/check/check_findings.h"
#include "tool/lsp/record_knowledge.h"

namespace scn::tool::lsp {

namespace {

bool looks_like_word(std::string_view keyword) {
  if (keyword.empty() || keyword.front() == '-') return false;
  if (keyword.find('[') != std::string_view::npos) return false;
  int letters = 0;
  for (const char c : keyword) letters += std::isalpha(static_cast<unsigned char>(c)) ? 1 : 0;
  return letters >= 3;
}

// Keyword fields that no test recognised, first field of their line: the
// reader skips them, and the values after them are read as keywords too.
void unknown_keywords(const compile_trace& trace, std::vector<pair_finding>& out) {
  const traced_record* previous = nullptr;
  bool body = false;
  for (const auto& r : trace.records()) {
    const bool same_line = previous != nullptr && previous->file == r.file &&
                           previous->keyword.where.line == r.keyword.where.line;
    const bool general = r.file == description::line && !body;
    if (general && closes_general_part(r.keyword.text)) body = true;
    previous = &r;
    if (r.kind || same_line || !looks_like_word(r.keyword.text)) continue;
    const record_part part = r.file == description::train ? record_part::train
                             : general                    ? record_part::line_general
                                                          : record_part::line_body;
    pair_finding f{r.file,
                   r.keyword.where,
                   false,
                   "unknown-keyword",
                   "\"" + r.keyword.text + "\" is not a keyword of this description: the " +
                       "record is skipped and its values are read as keywords",
                   {},
                   {}};
    if (const auto meant = suggest_keyword(r.keyword.text, part)) {
      f.suggestion = *meant;
      f.message += "; did you mean \"" + *meant + "\"?";
    }
    out.push_back(std::move(f));
  }
}

}  // namespace

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
    // Unknown keywords come below, with the keyword meant for a quick fix.
    if (f.code == "unknown-keyword") continue;
    pair_finding p{f.file, f.where, f.error, f.code, f.message, {}, {}};
    for (const auto& r : f.related) p.related.push_back({r.file, r.where, r.message});
    out.push_back(std::move(p));
  }
  unknown_keywords(trace, out);
  return out;
}

}  // namespace scn::tool::lsp
