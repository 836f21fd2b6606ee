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
// An observer, when given, hears of every field and record read and of how
// each half ended (the compile trace records all of it).
void memorizza_dati(scenario& s, description_files& files, compile_observer* trace = nullptr);

}  // namespace scn
