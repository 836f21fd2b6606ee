// Warnings about what the description formats require but the compiler
// does not enforce.
#include <cstdint>
#include <string>

#include "catalogue/station_rules.h"
#include "model/rounding.h"
#include "tool/check/check_findings.h"

namespace scn::tool {

namespace {

using records = std::vector<traced_record>;

finding warn(const char* code, const traced_record& r, std::size_t value, std::string message) {
  const field_location where = value < r.values.size() ? r.values[value].where : r.keyword.where;
  return make_finding(false, code, r.file, where, std::move(message));
}

finding with_note(finding f, const traced_record& other, const char* what) {
  f.related.push_back(
      {other.file, other.values.empty() ? other.keyword.where : other.values[0].where, what});
  return f;
}

std::string num(std::int64_t v) {
  return std::to_string(v);
}

// Gradients and speed/adhesion profiles: ascending positions; profiles start at 0.
void check_ascending(const records& rs, record_kind kind, const char* what, bool from_zero,
                     std::vector<finding>& out) {
  std::optional<std::int64_t> previous;
  const traced_record* previous_record = nullptr;
  for (const auto& c : rs) {
    if (c.kind != kind) continue;
    const auto p = traced_number(c, 0);
    if (!p) continue;
    if (!previous && from_zero && *p != 0)
      out.push_back(
          warn("profile-start", c, 0, std::string(what) + " profile does not start at 0 m"));
    if (previous && *p <= *previous)
      out.push_back(
          with_note(warn("out-of-order", c, 0,
                         std::string(what) + " record at " + num(*p) +
                             " m is not after the previous one at " + num(*previous) + " m"),
                    *previous_record, "the previous record"));
    previous = p;
    previous_record = &c;
  }
}

void check_curves(const records& rs, std::vector<finding>& out) {
  std::optional<std::int64_t> previous_start, previous_end;
  const traced_record* previous = nullptr;
  for (const auto& c : rs) {
    if (c.kind != record_kind::curve) continue;
    const auto start = traced_number(c, 0), length = traced_number(c, 1);
    if (!start || !length) continue;
    if (previous_start && *start < *previous_start) {
      out.push_back(
          with_note(warn("out-of-order", c, 0,
                         "curve at " + num(*start) + " m is not after the previous one at " +
                             num(*previous_start) + " m"),
                    *previous, "the previous curve"));
    } else if (previous_end && *start < *previous_end) {
      out.push_back(with_note(
          warn("curve-overlap", c, 0,
               "curve at " + num(*start) + " m overlaps the previous curve, which ends at " +
                   num(*previous_end) + " m"),
          *previous, "the previous curve"));
    }
    previous = &c;
    previous_start = start;
    previous_end = *start + *length;
  }
}

void check_station_order(const records& rs, std::vector<finding>& out) {
  const traced_record* first_object = nullptr;
  for (const auto& c : rs) {
    if (!first_object && (c.kind == record_kind::signal || c.kind == record_kind::slowdown))
      first_object = &c;
    if (c.kind == record_kind::station && first_object) {
      out.push_back(with_note(
          warn("station-after-object", c, SIZE_MAX,
               "station after a signal or slowdown (line " + num(first_object->keyword.where.line) +
                   "): its stop cell is written without checking what the cell holds"),
          *first_object, "the first signal or slowdown"));
    }
  }
}

// A comma in a board's text cuts it: the rest of the line is read as new
// keyword fields, so the next record starts on the board's own line.
void check_board_commas(const records& rs, std::vector<finding>& out) {
  for (std::size_t i = 0; i + 1 < rs.size(); ++i) {
    const traced_record& board = rs[i];
    if (board.kind != record_kind::text_board || board.values.size() < 2) continue;
    const traced_record& next = rs[i + 1];
    if (next.file == board.file && next.keyword.where.line == board.values[1].where.line)
      out.push_back(warn("board-text-comma", board, 1,
                         "text board text contains a comma: it is cut there and the "
                         "rest of the line is read as further keywords"));
  }
}

// The last cell a record derives from its values, beyond its own position.
std::optional<std::int64_t> derived_last_cell(const traced_record& r) {
  if (!r.kind) return std::nullopt;
  const auto v0 = traced_number(r, 0), v1 = traced_number(r, 1), v2 = traced_number(r, 2);
  switch (*r.kind) {
    case record_kind::span:
      if (v1) return nearest(*v1 / 50.0 - 1);
      break;
    case record_kind::slowdown:
      if (v0 && v2) return cell_index(*v0 + *v2);
      break;
    case record_kind::station:
      if (v0 && v1 && v2 && station_has_stop(*v1)) {
        const auto area = station_area_of(*v0, *v1, *v2, traced_number(r, 5).value_or(0));
        return nearest(static_cast<double>(area.end) / 50.0 - 1);
      }
      break;
    default:
      break;
  }
  return std::nullopt;
}

void check_outside_model(const compile_outcome& c, const records& rs, std::vector<finding>& out) {
  if (c.s.track_cells.empty()) return;
  for (const auto& r : rs) {
    const auto v0 = traced_number(r, 0), v1 = traced_number(r, 1);
    if (r.kind == record_kind::curve && v0 && v1 && *v0 + *v1 > c.s.plan_length - 2) {
      out.push_back(
          warn("past-model-end", r, 1,
               "curve runs past the end of the plan (point " + num(c.s.plan_length - 2) + ")"));
    }
    if (r.kind == record_kind::signal && v0 && cell_index(*v0) - 8 < 0)
      out.push_back(warn("signal-near-start", r, 0,
                         "signal closer than 350 m to the start of the line: some of its "
                         "approach cells fall before the first cell"));
    const auto last = derived_last_cell(r);
    if (last && *last > c.s.last_cell)
      out.push_back(warn("past-model-end", r, r.kind == record_kind::station ? 2 : 1,
                         "record reaches cell " + num(*last) + ", beyond the last cell " +
                             num(c.s.last_cell) + " of the model"));
  }
}

}  // namespace

std::vector<finding> lint_records(const compile_outcome& c) {
  const records& rs = c.trace.records();
  std::vector<finding> out;
  check_ascending(rs, record_kind::gradient, "gradient", false, out);
  check_curves(rs, out);
  check_ascending(rs, record_kind::speed, "speed", true, out);
  check_ascending(rs, record_kind::adhesion, "adhesion", true, out);
  check_station_order(rs, out);
  check_board_commas(rs, out);
  check_outside_model(c, rs, out);
  return out;
}

}  // namespace scn::tool
