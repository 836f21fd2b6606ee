// Gradient, speed limit and adhesion: values that the compiler spreads over
// cells 0 to last_cell - 3, each from its record's position to the next
// record of its kind. A record at the cell where the value changes gives it
// back; the last three cells hold 0.
#include <functional>

#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

namespace {

using cell_value = std::function<std::uint8_t(const track_cell&)>;

// Cells that a spread covers: 0 to last_cell - 3.
std::size_t filled_cells(const recovery& r) {
  return r.in.cells.size() >= 3 ? r.in.cells.size() - 3 : 0;
}

// One record for every change of the value along the filled cells, starting
// from `initial` (the value in force before the first record), and a check
// that the tail cells hold 0.
std::vector<std::pair<std::size_t, std::uint8_t>> changes(const recovery& r,
                                                          const cell_value& value,
                                                          std::uint8_t initial, const char* what) {
  std::vector<std::pair<std::size_t, std::uint8_t>> out;
  std::uint8_t in_force = initial;
  const std::size_t filled = filled_cells(r);
  for (std::size_t i = 0; i < filled; ++i) {
    const std::uint8_t v = value(r.in.cells[i]);
    if (v == in_force) continue;
    out.emplace_back(i, v);
    in_force = v;
  }
  for (std::size_t i = filled; i < r.in.cells.size(); ++i) {
    if (value(r.in.cells[i]) != 0)
      r.note(cell_name(i), std::string(what) + " in one of the last three cells, which keep 0");
  }
  return out;
}

std::vector<profile_row> profile(const recovery& r, const cell_value& value, int scale,
                                 const char* what) {
  // The profile's first record stands at position 0 and spreads nothing;
  // its value holds until the next record.
  const std::uint8_t first = r.in.cells.empty() ? 0 : value(r.in.cells[0]);
  std::vector<profile_row> rows = {{0, first * scale}};
  for (const auto& [i, v] : changes(r, value, first, what)) {
    rows.push_back({fill_position(i), v * scale});
  }
  return rows;
}

}  // namespace

std::vector<gradient_row> recover_gradients(const recovery& r) {
  // Stored as per mille + 100; level (100) holds before the first record.
  std::vector<gradient_row> rows;
  const auto gradient = [](const track_cell& c) { return c.gradient; };
  for (const auto& [i, v] : changes(r, gradient, 100, "a gradient"))
    rows.push_back({fill_position(i), v - 100});
  return rows;
}

std::vector<profile_row> recover_speed_profile(const recovery& r) {
  // Stored in units of 5 km/h.
  return profile(
      r, [](const track_cell& c) { return c.speed_limit; }, 5, "a speed limit");
}

std::vector<profile_row> recover_adhesion_profile(const recovery& r) {
  return profile(
      r, [](const track_cell& c) { return c.adhesion; }, 1, "an adhesion");
}

}  // namespace scn::tool::decompile
