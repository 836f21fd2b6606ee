// The train half of the compiler: reads the train description into the
// train side of the scenario model and deletes the file.
#pragma once

#include <cstdint>

#include "compiler/compile_trace.h"
#include "compiler/description_files.h"
#include "model/scenario.h"

namespace scn {

// Runs after the line half, on the model it dimensioned; `next_board_row` is
// the row below the line's text boards. Sets the status register for every
// refusal; throws input_failure for a failure of the input itself (a missing
// file among them).
void compile_train(scenario& s, description_files& files, std::int32_t next_board_row,
                   compile_observer* trace = nullptr);

}  // namespace scn
