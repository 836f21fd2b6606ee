// Working state of the line half while it reads the line description, and
// the steps that share it.
#pragma once

#include <cstdint>
#include <optional>

#include "compiler/field_reader.h"
#include "compiler/plan_walk.h"
#include "model/scenario.h"

namespace scn {

struct line_reading {
  line_reading(scenario& scen, field_reader& input) : s(scen), in(input) {}

  scenario& s;
  field_reader& in;
  bool sized = false;                // "lunghezza percorso" has dimensioned the model
  std::int64_t gradient_cursor = 0;  // next cell whose gradient is unset
  std::int64_t gradient = 0;         // gradient in force, per mille
  std::optional<plan_walk> walk;     // only while the plan is built
  std::int32_t next_board_row = first_board_row;
};

// The general part, up to the first bracketed keyword field. Returns the
// status that ends the compiler (1, 3, 4, 5), or 0.
std::int32_t read_general_part(line_reading& r);

// The body records, up to the end of the file. Returns 0 at the end, 15
// when a record lies beyond the line, or the status that ends the compiler.
std::int32_t read_body(line_reading& r);

// Writes the gradient in force into the cell at the cursor and advances,
// repeating while the cursor is below `until`; at least one cell. Cells
// outside the model are skipped.
void spread_gradient(line_reading& r, std::int64_t until);

}  // namespace scn
