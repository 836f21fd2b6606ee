// One analysis of a pair of descriptions: the compile in analysis mode and
// every finding it leads to. "check" prints it; "compile" prints the same
// findings when it refuses a pair.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pipeline/memory_compile.h"
#include "tool/check/check_findings.h"
#include "tool/check/source_lines.h"
#include "tool/cli/compile_identity.h"

namespace scn::tool {

struct pair_analysis {
  memory_compile compiled;
  compile_trace trace;
  std::optional<std::string> line_bytes;
  std::optional<std::string> train_bytes;
  std::optional<source_text> line_text;  // views into the bytes above
  std::optional<source_text> train_text;
  std::vector<finding> findings;
};

// The analysis keeps its own copy of the bytes; an absent file is analysed
// as the program would meet it.
void analyse_pair(pair_analysis& out, const compile_identity& id,
                  const std::optional<std::string>& line, const std::optional<std::string>& train);

}  // namespace scn::tool
