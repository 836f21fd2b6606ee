// Temporary slowdowns: a start cell and an end cell with the speed, d_v and
// f_tt; beyond 1500 m a warning cell 24 cells before the start, and with
// f_ta the four pre-warning cells before that.
#include <set>

#include "model/cell_kind.h"
#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

namespace {

constexpr std::int32_t warning_distance = 1200;
constexpr std::int32_t first_warned_start = 1500;

bool is(const track_cell& c, cell_kind k) {
  return c.kind == code(k);
}

// The first unclaimed end cell after `start` with the start's values, or
// the nearest one before it (a negative length).
std::optional<std::size_t> end_cell(const recovery& r, std::size_t start,
                                    const std::set<std::size_t>& claimed) {
  const auto& cells = r.in.cells;
  const auto fits = [&](std::size_t e) {
    const track_cell& c = cells[e];
    return is(c, cell_kind::slowdown_end) && claimed.count(e) == 0 &&
           c.value1 == cells[start].value1 && c.value2 == cells[start].value2 &&
           c.value3 == cells[start].value3;
  };
  for (std::size_t e = start + 1; e < cells.size(); ++e)
    if (fits(e)) return e;
  for (std::size_t e = start; e-- > 0;)
    if (fits(e)) return e;
  return std::nullopt;
}

// Warning and pre-warning cells of a slowdown starting on cell s.
void recover_warning(const recovery& r, std::size_t s, slowdown_row& row,
                     std::set<std::size_t>& claimed) {
  const auto& cells = r.in.cells;
  const std::int16_t v = cells[s].value1;
  const std::int16_t d_v = cells[s].value2;
  const std::size_t w = s - warning_distance / 50;
  if (!is(cells[w], cell_kind::slowdown_warning) || cells[w].value1 != v ||
      cells[w].value2 != d_v) {
    r.note(cell_name(s), "slowdown start beyond 1500 m without its warning cell 1200 m before");
    return;
  }
  claimed.insert(w);
  if (w < 5) return;
  for (std::size_t j = 0; j < 4; ++j) {
    const track_cell& c = cells[w - 1 - j];
    const std::int16_t k = static_cast<std::int16_t>(j + 1);
    if (!is(c, cell_kind::warning_approach) || c.value1 != k || c.value2 != (d_v != 0 ? k : 0))
      return;
  }
  row.f_ta = 1;
  for (std::size_t j = 0; j < 4; ++j) claimed.insert(w - 1 - j);
}

void note_unclaimed(const recovery& r, const std::set<std::size_t>& claimed) {
  for (std::size_t i = 0; i < r.in.cells.size(); ++i) {
    const track_cell& c = r.in.cells[i];
    const bool part = is(c, cell_kind::slowdown_end) || is(c, cell_kind::slowdown_warning) ||
                      is(c, cell_kind::warning_approach);
    if (part && claimed.count(i) == 0)
      r.note(cell_name(i), std::string(cell_kind_name(c.kind)) +
                               " cell that belongs to no "
                               "slowdown start before it");
  }
}

}  // namespace

std::vector<slowdown_row> recover_slowdowns(const recovery& r) {
  std::vector<slowdown_row> rows;
  std::set<std::size_t> claimed;
  for (std::size_t s = 0; s < r.in.cells.size(); ++s) {
    const track_cell& c = r.in.cells[s];
    if (!is(c, cell_kind::slowdown_start)) continue;
    slowdown_row row;
    row.x = object_position(s);
    row.v = c.value1;
    row.d_v = c.value2;
    row.f_tt = c.value3;
    // A slowdown of length 0 ends on its start cell, which keeps the start.
    if (const auto e = end_cell(r, s, claimed)) {
      claimed.insert(*e);
      row.l = object_position(*e) - row.x;
    }
    if (row.x > first_warned_start) recover_warning(r, s, row, claimed);
    rows.push_back(row);
  }
  note_unclaimed(r, claimed);
  return rows;
}

}  // namespace scn::tool::decompile
