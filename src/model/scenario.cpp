// Shared operations on the scenario model.
#include "model/scenario.h"

#include "model/cell_kind.h"
#include "model/rounding.h"

namespace scn {

std::int64_t last_cell_for(std::int64_t line_length) {
  return nearest(static_cast<double>(line_length + line_overrun) / 50.0);
}

void dimension(scenario& s, std::int32_t line_length) {
  s.plan_length = line_length + line_overrun;
  s.last_cell = static_cast<std::int32_t>(last_cell_for(line_length));
  s.track_cells.assign(static_cast<std::size_t>(s.last_cell) + 1, track_cell{});
  if (s.output_switch != 0) {
    s.plan.dimension(s.plan_length);
  } else {
    s.plan.clear();
  }
}

bool has_cells(const scenario& s) {
  return s.track_cells.size() >= 2;
}

bool in_model(const scenario& s, std::int64_t i) {
  return i >= 0 && i < static_cast<std::int64_t>(s.track_cells.size());
}

bool is_free(const track_cell& c) {
  return c.kind == code(cell_kind::empty) || c.kind == code(cell_kind::backdrop_mark);
}

bool is_free_at(const scenario& s, std::int64_t i) {
  return in_model(s, i) && is_free(s.track_cells[static_cast<std::size_t>(i)]);
}

void reset_item_table(scenario& s) {
  for (auto& row : s.items) row = item_record{};
}

}  // namespace scn
