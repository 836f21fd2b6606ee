// Invariants of check's analysis over arbitrary descriptions.
#include "fuzz/check_harness.h"

#include <exception>
#include <nlohmann/json.hpp>
#include <optional>

#include "fuzz/fuzz_harness.h"
#include "tool/check/finding_report.h"
#include "tool/cli/check_run.h"

namespace scn::fuzz {

namespace {

// Every finding names a code and a message and points inside its file.
std::string finding_problem(const tool::pair_analysis& a, const tool::finding& f) {
  if (f.code.empty() || f.message.empty()) return "a finding without code or message";
  if (f.where.line == 0) return {};
  const auto& text = f.file == description::line ? a.line_text : a.train_text;
  if (!text) return "finding " + f.code + " in a file that was not read";
  if (f.where.line < 0 || f.where.line > text->line_count() + 1 || f.where.column < 1)
    return "finding " + f.code + " at line " + std::to_string(f.where.line) + ", column " +
           std::to_string(f.where.column) + ", outside its file";
  return {};
}

std::string analysis_problem(std::string_view input) {
  const split_input in = split_at_nul(input);
  tool::pair_analysis a;
  tool::analyse_pair(a, {"FUZZ", "1"}, in.line,
                     in.has_train ? std::optional(in.train) : std::nullopt);
  for (const auto& f : a.findings) {
    if (auto problem = finding_problem(a, f); !problem.empty()) return problem;
  }
  const tool::reported_files files{{"L", a.line_text ? &*a.line_text : nullptr},
                                   {"T", a.train_text ? &*a.train_text : nullptr}};
  (void)tool::render_human(a.findings, files);
  const auto doc = nlohmann::json::parse(tool::render_json(a.findings, files), nullptr, false);
  if (doc.is_discarded()) return "the JSON form does not parse";
  if (doc.value("errors", std::size_t{0}) + doc.value("warnings", std::size_t{0}) !=
      a.findings.size())
    return "the JSON counts do not add up to the findings";
  return {};
}

}  // namespace

std::string check_analysis_case(std::string_view input) {
  try {
    return analysis_problem(input);
  } catch (const std::exception& e) {
    return std::string("exception: ") + e.what();
  }
}

}  // namespace scn::fuzz
