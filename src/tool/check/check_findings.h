// Findings of "scenario-tool check": the status a compile ended with,
// explained at the record and field at fault, and warnings about what the
// formats require but the compiler does not enforce.
#pragma once

#include <string>
#include <vector>

#include "compiler/compile_trace.h"
#include "model/scenario.h"

namespace scn::tool {

struct finding {
  bool error = true;  // error or warning
  description file = description::line;
  field_location where;  // line 0: the finding concerns the whole file
  std::string message;
};

// What a compile left: the model, the trace, and the fatal error number of
// the stamping ("1250", "1251") if it stopped the run.
struct compile_outcome {
  const scenario& s;
  const compile_trace& trace;
  std::string fatal_error;
};

std::vector<finding> explain_status(const compile_outcome& c);
std::vector<finding> lint_records(const compile_outcome& c);

}  // namespace scn::tool
