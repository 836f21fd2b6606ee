// The compiler: the line description, then the train description, into the
// scenario model.
#pragma once

#include "compiler/compile_trace.h"
#include "compiler/description_files.h"
#include "model/scenario.h"

namespace scn {

// Compiles both descriptions, deleting each once read. Refusals are left in
// the status register; any failure of the input itself takes the single
// failure path: both descriptions deleted where they still exist, status 25.
// A trace, when given, records what was read and how each half ended.
void memorizza_dati(scenario& s, description_files& files, compile_trace* trace = nullptr);

}  // namespace scn
