// Finding who put an object on a cell that a later record wanted.
#include "tool/check/check_clash.h"

#include <vector>

#include "catalogue/station_rules.h"
#include "catalogue/status_catalogue.h"
#include "model/cell_kind.h"
#include "model/rounding.h"

namespace scn::tool {

namespace {

constexpr std::int64_t warning_threshold = 1500;
constexpr std::int64_t warning_distance = 1200;

std::int64_t value_or_zero(const traced_record& r, std::size_t i) {
  return traced_number(r, i).value_or(0);
}

// The cells a record that was placed claims for its objects.
std::vector<std::int64_t> claimed_cells(const traced_record& r) {
  const auto v0 = traced_number(r, 0);
  if (!r.kind || !v0) return {};
  switch (*r.kind) {
    case record_kind::text_board:
    case record_kind::speed_post:
    case record_kind::signal:
      return {cell_index(*v0)};
    case record_kind::reduction_mark:
      return {fill_index(*v0)};
    case record_kind::slowdown: {
      std::vector<std::int64_t> cells{cell_index(*v0), cell_index(*v0 + value_or_zero(r, 2))};
      if (*v0 > warning_threshold) {
        cells.push_back(cell_index(*v0 - warning_distance));
        if (value_or_zero(r, 4) != 0)
          for (std::int64_t j = 0; j < 4; ++j)
            cells.push_back(fill_index(*v0 - warning_distance) - j);
      }
      return cells;
    }
    case record_kind::station: {
      const std::int64_t kind = value_or_zero(r, 1);
      if (!station_has_stop(kind)) return {};
      const auto area = station_area_of(*v0, kind, value_or_zero(r, 2), value_or_zero(r, 5));
      return {nearest(static_cast<double>(area.end) / 50.0 - 1)};
    }
    default:
      return {};
  }
}

std::string kind_words(std::uint8_t kind) {
  switch (static_cast<cell_kind>(kind)) {
    case cell_kind::signal:
      return "a signal";
    case cell_kind::slowdown_end:
      return "the end of a slowdown";
    case cell_kind::slowdown_start:
      return "the start of a slowdown";
    case cell_kind::slowdown_warning:
      return "the warning board of a slowdown";
    case cell_kind::warning_approach:
      return "a pre-warning cell of a slowdown";
    case cell_kind::speed_boards:
      return "a speed-indicator post";
    case cell_kind::station_stop:
      return "the stop cell of a station";
    case cell_kind::backdrop_mark:
      return "a backdrop mark";
    case cell_kind::reduction_mark:
    case cell_kind::bare_reduction_mark:
      return "a reduction mark";
    case cell_kind::text_board:
      return "a text board";
    default:
      return "an object";
  }
}

}  // namespace

std::optional<std::int64_t> clashing_cell(std::int32_t code, const traced_record& refused,
                                          const scenario& s) {
  const auto v0 = traced_number(refused, 0);
  if (!v0) return std::nullopt;
  switch (code) {
    case status_board_cell_taken:
    case status_signal_cell_taken:
    case status_speed_post_cell_taken:
    case status_start_cell_taken:
      return cell_index(*v0);
    case status_reduction_cell_taken:
      return fill_index(*v0);
    case status_warning_cell_taken:
      return cell_index(*v0 - warning_distance);
    case status_end_cell_taken:
      return cell_index(*v0 + value_or_zero(refused, 2));
    case status_pre_warning_cell_taken:
      for (std::int64_t j = 0; j < 4; ++j) {
        const std::int64_t i = fill_index(*v0 - warning_distance) - j;
        if (!is_free_at(s, i)) return i;
      }
      return fill_index(*v0 - warning_distance);
    default:
      return std::nullopt;
  }
}

cell_owners::cell_owners(const compile_trace& t, const std::set<std::size_t>& left_out) {
  const auto& rs = t.records();
  for (std::size_t i = 0; i < rs.size(); ++i) {
    if (left_out.count(i) != 0) continue;
    for (const auto cell : claimed_cells(rs[i])) first_.emplace(cell, i);
  }
}

std::optional<std::size_t> cell_owners::owner(std::int64_t cell, std::size_t before) const {
  const auto it = first_.find(cell);
  if (it == first_.end() || it->second >= before) return std::nullopt;
  return it->second;
}

cell_occupant occupant_of(const compile_outcome& c, const cell_owners& owners, std::int64_t cell,
                          std::size_t refused) {
  cell_occupant o;
  if (!in_model(c.s, cell)) {
    o.what = "nothing: the cell lies outside the track model";
    return o;
  }
  o.what = kind_words(c.s.track_cells[static_cast<std::size_t>(cell)].kind);
  if (const auto i = owners.owner(cell, refused)) o.by = &c.trace.records()[*i];
  return o;
}

}  // namespace scn::tool
