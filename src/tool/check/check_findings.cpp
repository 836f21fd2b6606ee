// Explaining the status register at the record that caused it.
#include "tool/check/check_findings.h"

#include "catalogue/status_catalogue.h"
#include "model/rounding.h"

namespace scn::tool {

namespace {

std::string status_words(std::int32_t code, std::int32_t position) {
  std::string text = std::string(status_meaning(code)) + " (status " + std::to_string(code);
  if (status_has_position(code)) text += " at " + std::to_string(position) + " m";
  return text + ")";
}

// The field of a record that a status points at: a value index, or -1 for
// the keyword itself.
int faulty_field(std::int32_t code, const traced_record& r) {
  switch (code) {
    case status_repetition_second:
      return 1;
    case status_repetition_code:
    case status_station_rows_full:
      return -1;
    case status_station_length:
    case status_station_too_early:
      return 2;
    case status_bad_curve:
      return r.keyword.text.find_first_of(curve_class_digits) == std::string::npos ? -1 : 1;
    default:
      return 0;
  }
}

field_location field_at(const traced_record& r, int index) {
  if (index >= 0 && static_cast<std::size_t>(index) < r.values.size())
    return r.values[static_cast<std::size_t>(index)].where;
  return r.keyword.where;
}

finding at_record(description file, const traced_record* r, std::int32_t code,
                  std::int32_t position, const std::string& note = {}) {
  finding f{true, file, {}, status_words(code, position) + note};
  if (r != nullptr) f.where = field_at(*r, faulty_field(code, *r));
  return f;
}

// A record of the given kind whose first value lands in cell `cell`.
const traced_record* record_in_cell(const compile_trace& t, record_kind kind, std::int64_t cell) {
  for (const auto& r : t.records()) {
    const auto v = traced_number(r, 0);
    if (r.kind == kind && v && cell_index(*v) == cell) return &r;
  }
  return nullptr;
}

// The slowdown whose start cell is the last one at or before `cell`.
const traced_record* slowdown_before(const compile_trace& t, std::int64_t cell) {
  const traced_record* best = nullptr;
  std::int64_t best_start = -1;
  for (const auto& r : t.records()) {
    const auto v = traced_number(r, 0);
    if (r.kind != record_kind::slowdown || !v) continue;
    const std::int64_t start = cell_index(*v);
    if (start <= cell && start > best_start) best = &r, best_start = start;
  }
  return best;
}

std::vector<finding> reference_findings(const compile_trace& t) {
  std::vector<finding> out;
  for (const auto& r : t.records()) {
    if (!r.kind || !is_km_reference(*r.kind)) continue;
    for (std::size_t i = 0; i < 2; ++i) {
      const auto v = traced_number(r, i);
      if (v && *v % 50 != 0)
        out.push_back(
            {true, description::line, r.values[i].where, status_words(status_bad_reference, 0)});
    }
  }
  if (out.empty())
    out.push_back({true, description::line, {}, status_words(status_bad_reference, 0)});
  return out;
}

finding marker_finding(const compile_trace& t, std::int32_t code, std::int32_t position) {
  const std::int64_t cell = position / 50;
  const traced_record* r =
      code == status_no_mark_before_signal     ? record_in_cell(t, record_kind::signal, cell)
      : code == status_no_mark_before_slowdown ? record_in_cell(t, record_kind::slowdown, cell)
                                               : slowdown_before(t, cell);
  return at_record(description::train, r, code, position);
}

void half_findings(const compile_outcome& c, std::vector<finding>& out) {
  const auto& t = c.trace;
  const auto& line = t.half(description::line);
  if (line.ran && line.status_code != 0) {
    out.push_back(at_record(
        description::line,
        line.status_code >= status_no_line_file ? nullptr : t.last_record(description::line),
        line.status_code, line.status_position));
    if (line.status_code == status_no_generale) out.back().where = {1, 1};
  }
  const auto& train = t.half(description::train);
  if (!train.ran || train.status_code == 0) return;
  if (train.status_code == line.status_code && train.status_position == line.status_position)
    return;
  const traced_record* r = t.last_record(description::train);
  std::string note;
  if (train.status_code == status_beyond_line && line.status_code == status_beyond_line &&
      r != nullptr) {
    const auto v = traced_number(*r, 0);
    if (v && *v == train.status_position && !(*v + 100 > 50.0 * c.s.last_cell))
      note =
          "; the train description stops at its first signal or slowdown because the line "
          "description was cut short";
  }
  out.push_back(at_record(description::train, r, train.status_code, train.status_position, note));
}

// The first record that put something on cell 1, where the format marker
// and the check codes go.
const traced_record* record_on_cell_1(const compile_trace& t) {
  for (const auto& r : t.records()) {
    const auto v = traced_number(r, 0);
    if (!v) continue;
    if (r.kind == record_kind::reduction_mark && fill_index(*v) == 1) return &r;
    const bool placed = r.kind == record_kind::text_board || r.kind == record_kind::speed_post ||
                        r.kind == record_kind::signal || r.kind == record_kind::slowdown;
    if (placed && cell_index(*v) == 1) return &r;
  }
  return nullptr;
}

finding fatal_finding(const compile_outcome& c) {
  finding f{true,
            description::train,
            {},
            "cell 1 is taken where the format marker and the check codes go (Errore n. " +
                c.fatal_error + ")"};
  if (const auto* r = record_on_cell_1(c.trace)) {
    f.file = r->file;
    f.where = r->values[0].where;
    f.message =
        "this record puts an object on cell 1, where the format marker and the check "
        "codes go (Errore n. " +
        c.fatal_error + ")";
  }
  return f;
}

// An input failure, its message without the location the caret shows.
finding failure_finding(const traced_failure& f) {
  std::string what = f.what;
  const auto at = what.find(" at line ");
  if (f.where.line > 0 && at != std::string::npos) what.erase(at);
  return {true, f.file, f.where, what + " (status " + std::to_string(status_input_failure) + ")"};
}

}  // namespace

std::vector<finding> explain_status(const compile_outcome& c) {
  std::vector<finding> out;
  half_findings(c, out);
  if (const auto& f = c.trace.failure()) out.push_back(failure_finding(*f));
  const std::int32_t code = c.s.status_code;
  if (code == status_bad_reference) {
    auto refs = reference_findings(c.trace);
    out.insert(out.end(), refs.begin(), refs.end());
  }
  if (code >= status_no_mark_before_signal && code <= status_no_mark_along_slowdown)
    out.push_back(marker_finding(c.trace, code, c.s.status_position));
  if (!c.fatal_error.empty()) out.push_back(fatal_finding(c));
  return out;
}

}  // namespace scn::tool
