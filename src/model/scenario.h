// The one scenario object: identity, track model, status register and the
// little shared state the compiler and the finishing steps work on.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/item_record.h"
#include "model/track_cell.h"
#include "model/track_plan.h"

namespace scn {

inline constexpr std::int32_t max_line_length = 1000000;
inline constexpr std::int32_t line_overrun = 7000;  // the model runs 7000 m past the line's end
inline constexpr int max_backdrop_spans = 80;

struct scenario {
  // Identity, set once at start-up; names every file and feeds the check codes.
  std::string line_name;
  std::string train_number;

  std::int32_t output_switch = 0;  // non-zero: build and write the plan
  std::string keyword;             // last token read; scratch for the check string

  // Status register.
  std::int32_t status_code = 0;
  std::int32_t status_position = 0;

  item_table items{};
  std::vector<track_cell> track_cells;  // indices 0..last_cell; empty until dimensioned
  std::int32_t last_cell = 0;
  std::int32_t plan_length = 0;
  track_plan plan;  // exists only when output_switch is non-zero

  std::array<std::int32_t, max_backdrop_spans + 1> backdrop_starts{};
  std::array<std::int32_t, max_backdrop_spans + 1> backdrop_ends{};
  std::int32_t backdrop_count = 0;

  // Index of the end marker after the last text writer.
  std::int32_t loop_index = 0;
};

// last_cell for a line length: (length + 7000) / 50, ties to even.
std::int64_t last_cell_for(std::int64_t line_length);

// Sizes track_cells to 0..last_cell, all zero, and, when the output switch is
// on, the plan to 0..plan_length with every element empty.
void dimension(scenario& s, std::int32_t line_length);

// True once track_cells holds cell 1, so markers, stamping and output apply.
bool has_cells(const scenario& s);

// True when index i lies in track_cells.
bool in_model(const scenario& s, std::int64_t i);

// A cell is free when it is empty or holds only a backdrop mark.
bool is_free(const track_cell& c);

// Free test for a cell index; a cell outside the model is never free.
bool is_free_at(const scenario& s, std::int64_t i);

// Every row of the item table back to zero and empty text.
void reset_item_table(scenario& s);

}  // namespace scn
