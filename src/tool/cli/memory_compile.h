// The finishing procedure over two descriptions held in memory, writing
// nothing: what "check" and "plot" work on.
#pragma once

#include <optional>
#include <string>

#include "compiler/compile_trace.h"
#include "model/scenario.h"
#include "tool/cli/compile_identity.h"

namespace scn::tool {

struct memory_compile {
  scenario s;
  std::string fatal_error;  // "1250" / "1251" when the stamping refused
};

// Compiles with the plan built; `trace` may be null.
void compile_in_memory(memory_compile& out, const compile_identity& id,
                       const std::optional<std::string>& line,
                       const std::optional<std::string>& train, compile_trace* trace);

}  // namespace scn::tool
