// Explaining every status of a compile at the record and field that caused
// it: the records refused in analysis mode, the status a half ended with,
// the statuses of the finishing steps.
#include "tool/check/check_findings.h"

#include <algorithm>

#include "catalogue/status_catalogue.h"
#include "model/rounding.h"
#include "tool/check/check_clash.h"

namespace scn::tool {

namespace {

constexpr std::size_t keyword_field = static_cast<std::size_t>(-1);

std::string status_code_name(std::int32_t code) {
  return "status-" + std::to_string(code);
}

std::string status_words(std::int32_t code, std::int32_t position) {
  std::string text = std::string(status_meaning(code)) + " (status " + std::to_string(code);
  if (status_has_position(code)) text += " at " + std::to_string(position) + " m";
  return text + ")";
}

const char* description_words(description d) {
  return d == description::line ? "line description" : "train description";
}

// The field of a record that a status points at: a value index, or the
// keyword itself.
std::size_t faulty_field(std::int32_t code, const traced_record& r) {
  switch (code) {
    case status_repetition_second:
      return 1;
    case status_repetition_code:
    case status_station_rows_full:
      return keyword_field;
    case status_station_length:
    case status_station_too_early:
      return 2;
    case status_bad_curve:
      return r.keyword.text.find_first_of(curve_class_digits) == std::string::npos ? keyword_field
                                                                                   : 1;
    default:
      return 0;
  }
}

field_location field_at(const traced_record& r, std::size_t index) {
  if (index < r.values.size()) return r.values[index].where;
  return r.keyword.where;
}

finding at_record(description file, const traced_record* r, std::int32_t code,
                  std::int32_t position, const std::string& note = {}) {
  std::string words = status_words(code, position) + note;
  field_location where;
  if (r != nullptr) {
    const std::size_t index = faulty_field(code, *r);
    where = field_at(*r, index);
    words = record_field_name(*r, index) + ": " + words;
  }
  return make_finding(true, status_code_name(code), file, where, words);
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
        out.push_back(make_finding(
            true, status_code_name(status_bad_reference), description::line, r.values[i].where,
            record_field_name(r, i) + ": " + status_words(status_bad_reference, 0)));
    }
  }
  if (out.empty())
    out.push_back(make_finding(true, status_code_name(status_bad_reference), description::line, {},
                               status_words(status_bad_reference, 0)));
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

// The status a half ended with, when analysis mode could not go on past it.
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
  out.push_back(at_record(description::train, t.last_record(description::train), train.status_code,
                          train.status_position));
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
  finding f =
      make_finding(true, "errore-" + c.fatal_error, description::train, {},
                   "cell 1 is taken where the format marker and the check codes go (Errore n. " +
                       c.fatal_error + ")");
  if (const auto* r = record_on_cell_1(c.trace)) {
    f.file = r->file;
    f.where = r->values[0].where;
    f.message = record_field_name(*r, 0) +
                ": this record puts an object on cell 1, where the format marker and the check "
                "codes go (Errore n. " +
                c.fatal_error + ")";
  }
  return f;
}

// An input failure that ended the compile, its message without the
// location the caret shows.
finding failure_finding(const traced_failure& f) {
  std::string what = f.what;
  const auto at = what.find(" at line ");
  if (f.where.line > 0 && at != std::string::npos) what.erase(at);
  return make_finding(true, status_code_name(status_input_failure), f.file, f.where,
                      what + " (status " + std::to_string(status_input_failure) + ")");
}

// Column just past the last non-blank byte of a line, commas aside.
std::int32_t end_of_line_column(const source_text* text, std::int32_t line) {
  if (text == nullptr) return 1;
  std::string_view l = text->line(line);
  while (!l.empty() && (l.back() == ' ' || l.back() == ',')) l.remove_suffix(1);
  return static_cast<std::int32_t>(l.size()) + 1;
}

// A record left out because one of its fields could not be read.
finding unreadable_record(const compile_outcome& c, const traced_refusal& f) {
  const std::string status = " (status " + std::to_string(status_input_failure) + ")";
  if (!f.record)
    return make_finding(true, status_code_name(status_input_failure), f.file, f.where,
                        f.what + status);
  const traced_record& r = c.trace.records()[*f.record];
  const std::size_t index = f.field;
  const std::int32_t own_line =
      index == 0 || index > r.values.size() ? r.keyword.where.line : r.values[index - 1].where.line;
  if (f.given_back && f.where.line > own_line) {
    // The record's line ran out of values; the reader took the next line's
    // first field in its place.
    finding out = make_finding(
        true, "missing-value", f.file, {own_line, end_of_line_column(c.bytes.of(f.file), own_line)},
        record_field_name(r, index) +
            " is missing: the record ends here, and the field read in "
            "its place on line " +
            std::to_string(f.where.line) + " is not a number (status " +
            std::to_string(status_input_failure) + "); the record is left out");
    out.related.push_back({f.file, f.where, "the field read in place of the missing value"});
    return out;
  }
  if (f.where.line > own_line && index == r.values.size()) {
    // The file ended before the record's last value.
    return make_finding(true, "missing-value", f.file,
                        {own_line, end_of_line_column(c.bytes.of(f.file), own_line)},
                        record_field_name(r, index) + " is missing: the file ends first (status " +
                            std::to_string(status_input_failure) + "); the record is left out");
  }
  return make_finding(true, status_code_name(status_input_failure), f.file, f.where,
                      record_field_name(r, index) + ": " + f.what + status);
}

// A record refused with a status in analysis mode.
finding refused_record(const compile_outcome& c, const traced_refusal& f,
                       const cell_owners& owners) {
  if (!f.record) return at_record(f.file, nullptr, f.status, f.position);
  const traced_record& r = c.trace.records()[*f.record];
  finding out = at_record(f.file, &r, f.status, f.position);
  if (const auto cell = clashing_cell(f.status, r, c.s)) {
    const cell_occupant o = occupant_of(c, owners, *cell, *f.record);
    out.message += "; cell " + std::to_string(*cell) + " (" + std::to_string(*cell * 50 - 50) +
                   " m) already holds " + o.what;
    if (o.by != nullptr) {
      out.message += ", put there by line " + std::to_string(o.by->keyword.where.line) +
                     " of the " + description_words(o.by->file);
      out.related.push_back(
          {o.by->file, field_at(*o.by, 0),
           o.what + " placed on cell " + std::to_string(*cell) + " by this record"});
    }
  }
  return out;
}

// A line record beyond the line leaves status 15 in the register, and the
// program's train half stops at its first signal or slowdown because of it.
void note_train_cut_short(const compile_trace& t, finding& f) {
  for (const auto& r : t.records()) {
    if (r.file != description::train ||
        (r.kind != record_kind::signal && r.kind != record_kind::slowdown))
      continue;
    f.related.push_back({description::train, r.keyword.where,
                         "with this status the train description is read only up to here: its "
                         "first signal or slowdown ends it"});
    return;
  }
}

void refusal_findings(const compile_outcome& c, std::vector<finding>& out) {
  std::set<std::size_t> left_out;
  for (const auto& f : c.trace.refusals())
    if (f.record) left_out.insert(*f.record);
  const cell_owners owners(c.trace, left_out);
  bool cut_noted = false;
  for (const auto& f : c.trace.refusals()) {
    out.push_back(f.status == status_input_failure ? unreadable_record(c, f)
                                                   : refused_record(c, f, owners));
    if (f.status == status_beyond_line && f.file == description::line && !cut_noted) {
      note_train_cut_short(c.trace, out.back());
      cut_noted = true;
    }
  }
}

}  // namespace

finding make_finding(bool error, std::string code, description file, field_location where,
                     std::string message) {
  finding f;
  f.error = error;
  f.code = std::move(code);
  f.file = file;
  f.where = where;
  f.message = std::move(message);
  return f;
}

std::string record_field_name(const traced_record& r, std::size_t value) {
  if (!r.kind) return "keyword \"" + shown_text(r.keyword.text) + "\"";
  if (value == keyword_field) return std::string(record_of(*r.kind).spelling) + ", keyword";
  return field_label(*r.kind, value);
}

std::vector<finding> explain_status(const compile_outcome& c) {
  std::vector<finding> out;
  refusal_findings(c, out);
  half_findings(c, out);
  if (const auto& f = c.trace.failure()) out.push_back(failure_finding(*f));
  const std::int32_t code = c.s.status_code;
  if (code == status_bad_reference) {
    auto refs = reference_findings(c.trace);
    out.insert(out.end(), refs.begin(), refs.end());
  }
  // The marker pass goes on after a status; the trace has every one of them.
  for (const auto& [marker, position] : c.trace.finishing_statuses())
    out.push_back(marker_finding(c.trace, marker, position));
  if (c.trace.finishing_statuses().empty() && code >= status_no_mark_before_signal &&
      code <= status_no_mark_along_slowdown)
    out.push_back(marker_finding(c.trace, code, c.s.status_position));
  if (!c.fatal_error.empty()) out.push_back(fatal_finding(c));
  return out;
}

std::vector<finding> all_findings(const compile_outcome& c) {
  std::vector<finding> out = explain_status(c);
  for (auto more : {lint_records(c), record_warnings(c), text_warnings(c)})
    out.insert(out.end(), std::make_move_iterator(more.begin()),
               std::make_move_iterator(more.end()));
  std::stable_sort(out.begin(), out.end(), [](const finding& a, const finding& b) {
    if (a.file != b.file) return a.file < b.file;
    if (a.where.line != b.where.line) return a.where.line < b.where.line;
    return a.where.column < b.where.column;
  });
  return out;
}

}  // namespace scn::tool
