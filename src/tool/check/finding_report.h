// How findings are printed: compiler-like lines with the source line and a
// caret, or one JSON object.
#pragma once

#include <string>
#include <vector>

#include "tool/check/check_findings.h"
#include "tool/check/source_lines.h"

namespace scn::tool {

// A description as the command line named it, with its text when read.
struct reported_file {
  std::string name;
  const source_text* text = nullptr;
};

struct reported_files {
  reported_file line;
  reported_file train;
  const reported_file& of(description d) const { return d == description::line ? line : train; }
};

// "file:line:col: severity: message [code]", the source line with a caret
// under the field, then each related place as a note in the same form.
std::string render_human(const std::vector<finding>& findings, const reported_files& files);

// {"findings": [...], "errors": N, "warnings": N}, lines and columns from 1.
std::string render_json(const std::vector<finding>& findings, const reported_files& files);

std::size_t count_errors(const std::vector<finding>& findings);
std::size_t count_warnings(const std::vector<finding>& findings);

}  // namespace scn::tool
