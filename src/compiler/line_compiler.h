// The line half of the compiler: reads the line description into the line
// side of the scenario model and deletes the file.
#pragma once

#include <cstdint>

#include "compiler/compile_trace.h"
#include "compiler/description_files.h"
#include "model/scenario.h"

namespace scn {

struct line_result {
  bool train_half_follows = false;  // false after any status but 15
  std::int32_t next_board_row = first_board_row;
};

// Sets the status register for every refusal; throws input_failure for a
// failure of the input itself (the caller's single failure path).
line_result compile_line(scenario& s, description_files& files, compile_observer* trace = nullptr);

}  // namespace scn
