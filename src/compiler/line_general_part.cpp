// The general part of the line description: length, kilometric references,
// backdrop positions, cab-signal repetition.
#include "catalogue/keyword_dispatch.h"
#include "catalogue/keyword_tests.h"
#include "catalogue/record_catalogue.h"
#include "compiler/analysis_mode.h"
#include "compiler/compile_status.h"
#include "compiler/input_failure.h"
#include "compiler/keyword_field.h"
#include "compiler/line_reading.h"

namespace scn {

namespace {

// Sizes the track model (and the plan, when it is built) from the length:
// the cells first, then the plan.
void size_model(line_reading& r, std::int32_t length) {
  const std::int64_t last_cell = last_cell_for(length);
  if (last_cell < 0) throw input_failure("line length leaves no track cells");
  if (r.s.output_switch != 0 && std::int64_t{length} + line_overrun < 0) {
    // The cells are already sized anew when the plan cannot be: a model
    // from an earlier length does not survive.
    r.s.last_cell = static_cast<std::int32_t>(last_cell);
    r.s.track_cells.assign(static_cast<std::size_t>(last_cell) + 1, track_cell{});
    throw input_failure("line length leaves no plan points");
  }
  dimension(r.s, length);
  r.sized = true;
}

std::int32_t read_length(line_reading& r) {
  const std::int32_t length = r.in.read_long();
  r.s.items[run_row].end = length;
  if (length > max_line_length) return refuse(r.s, status_line_too_long);
  size_model(r, length);
  return 0;
}

void read_reference(line_reading& r, int row) {
  auto& item = r.s.items[row];
  item.start = r.in.read_long();
  item.end = r.in.read_long();
  item.position = r.in.read_long();
}

std::int32_t read_repetition(line_reading& r, std::string_view keyword) {
  auto& train = r.s.items[train_row];
  train.start = r.in.read_long();
  train.end = r.in.read_long();
  if (train.start % 50 != 0) return refuse(r.s, status_repetition_first);
  if (train.end % 50 != 0) return refuse(r.s, status_repetition_second);
  if (contains_exact(keyword, repetition_four_codes)) {
    train.position = 4;
  } else if (contains_exact(keyword, repetition_nine_codes)) {
    train.position = 9;
  } else {
    return refuse(r.s, status_repetition_code);
  }
  if (train.end == 0) train.position = 0;
  return 0;
}

// Reads the fields of one general record; a status ends the compiler.
std::int32_t read_general(line_reading& r, record_kind kind, std::string_view k) {
  switch (kind) {
    case record_kind::length:
      return read_length(r);
    case record_kind::reference_tre:
      read_reference(r, km_reference_tre_row);
      break;
    case record_kind::reference_due:
      read_reference(r, km_reference_due_row);
      break;
    case record_kind::reference_uno:
      read_reference(r, km_reference_uno_row);
      break;
    case record_kind::backdrop_uno:
      r.s.items[line_row].start = r.in.read_long();
      break;
    case record_kind::backdrop_due:
      r.s.items[line_row].position = r.in.read_long();
      break;
    case record_kind::backdrop_tre:
      r.s.items[line_row].end = r.in.read_long();
      break;
    case record_kind::repetition:
      return read_repetition(r, k);
    default:
      break;
  }
  return 0;
}

// Every test that matches reads its own fields, in the order of the format.
std::int32_t general_record(line_reading& r, std::span<const record_spec* const> matching,
                            std::string_view k) {
  for (const record_spec* record : matching) {
    const record_kind kind = record->kind;
    r.in.mark_record(kind);
    const auto status = read_or_leave_out(r.in, kind, [&] { return read_general(r, kind, k); });
    if (!status) return 0;
    if (*status != 0 && !leave_out_refused(r.s, r.in, kind)) return *status;
  }
  return 0;
}

}  // namespace

std::int32_t read_general_part(line_reading& r) {
  keyword_dispatch dispatch(reading_part::line_general);
  while (const auto keyword = read_keyword(r.in, general_part_dashes)) {
    if (closes_general_part(*keyword)) return 0;
    if (const auto status = general_record(r, dispatch.matching(*keyword), *keyword)) return status;
  }
  return 0;
}

}  // namespace scn
