// Findings of "scenario-tool check": every status the compile met, explained
// at the record and field at fault, and warnings about what the formats
// accept but an author almost certainly did not mean.
#pragma once

#include <string>
#include <vector>

#include "compiler/compile_trace.h"
#include "model/scenario.h"
#include "tool/check/source_lines.h"

namespace scn::tool {

// A place that gives a finding its context, shown as a note.
struct related_place {
  description file = description::line;
  field_location where;  // line 0: the whole file
  std::string message;
};

struct finding {
  bool error = true;  // error or warning
  description file = description::line;
  field_location where;  // line 0: the finding concerns the whole file
  std::string message;
  // Stable code naming the kind of finding: "status-8", "unknown-keyword", ...
  std::string code;
  std::vector<related_place> related;
  // "unknown-keyword": the keyword meant, written as the field should read
  // (empty when no keyword of the catalogue is near).
  std::string suggestion;
};

finding make_finding(bool error, std::string code, description file, field_location where,
                     std::string message);

// The bytes of both descriptions, for checks that look at the text itself
// (absent when a file could not be read).
struct description_bytes {
  const source_text* line = nullptr;
  const source_text* train = nullptr;
  const source_text* of(description d) const { return d == description::line ? line : train; }
};

// What a compile in analysis mode left: the model, the trace with every
// refused record, and the fatal error number of the stamping ("1250",
// "1251") if it stopped the run.
struct compile_outcome {
  const scenario& s;
  const compile_trace& trace;
  std::string fatal_error;
  description_bytes bytes;
};

std::vector<finding> explain_status(const compile_outcome& c);
std::vector<finding> lint_records(const compile_outcome& c);
// Keywords, values, times and positions accepted but not meant.
std::vector<finding> record_warnings(const compile_outcome& c);
// Empty files, a missing start section, text the simulator will show
// differently.
std::vector<finding> text_warnings(const compile_outcome& c);

// Every finding, errors and warnings, in file order within each file.
std::vector<finding> all_findings(const compile_outcome& c);

// The record and field a finding names: "stazione, field 3 'length'".
std::string record_field_name(const traced_record& r, std::size_t value);

}  // namespace scn::tool
