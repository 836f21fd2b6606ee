// The table of status codes.
#include "catalogue/status_catalogue.h"

namespace scn {

namespace {

using S = status_setter;
constexpr auto error = status_severity::error;
constexpr auto stops = status_then::compiler_stops;
constexpr auto goes_on = status_then::pass_goes_on;

constexpr status_spec statuses[] = {
    {status_ok, S::finishing, false, status_severity::none, status_then::nothing, "no problem"},
    {status_line_too_long, S::line_compiler, false, error, stops, "line length above 1000000 m"},
    {status_bad_reference, S::train_compiler, false, error, stops,
     "a kilometric reference value is not a multiple of 50"},
    {status_repetition_first, S::line_compiler, false, error, stops,
     "first signal-repetition value not a multiple of 50"},
    {status_repetition_second, S::line_compiler, false, error, stops,
     "second signal-repetition value not a multiple of 50"},
    {status_repetition_code, S::line_compiler, false, error, stops,
     "signal-repetition keyword names neither 4 nor 9 codes"},
    {status_board_cell_taken, S::line_compiler, true, error, stops,
     "text board cell is already taken"},
    {status_reduction_cell_taken, S::train_compiler, true, error, stops,
     "reduction mark cell is already taken"},
    {status_station_position, S::train_compiler, true, error, stops,
     "station position not a multiple of 50"},
    {status_station_length, S::train_compiler, true, error, stops,
     "station length not a multiple of 100"},
    {status_station_rows_full, S::train_compiler, false, error, stops,
     "too many stations for the free item rows"},
    {status_no_mark_before_signal, S::marker_pass, true, error, goes_on,
     "no place for a reduction mark before a signal near a slowdown warning"},
    {status_no_mark_before_slowdown, S::marker_pass, true, error, goes_on,
     "no free cell for a reduction mark before a slowdown start"},
    {status_no_mark_along_slowdown, S::marker_pass, true, error, goes_on,
     "no free cell for a reduction mark along a slowdown or before the next signal"},
    {status_beyond_line, S::either_compiler, true, error, status_then::reading_stops,
     "record position lies beyond the line"},
    {status_signal_cell_taken, S::memo_segnale, true, error, stops, "signal cell is already taken"},
    {status_warning_cell_taken, S::memo_rallentamento, true, error, stops,
     "slowdown warning cell is already taken"},
    {status_start_cell_taken, S::memo_rallentamento, true, error, stops,
     "slowdown start cell is already taken"},
    {status_end_cell_taken, S::memo_rallentamento, true, error, stops,
     "slowdown end cell is already taken"},
    {status_pre_warning_cell_taken, S::memo_rallentamento, true, error, stops,
     "slowdown pre-warning cell is already taken"},
    {status_speed_post_cell_taken, S::memo_indicatori_v_max, true, error, stops,
     "speed-indicator post cell is already taken"},
    {status_station_spacing, S::train_compiler, true, error, stops,
     "station area begins less than 350 m after the previous one ends"},
    {status_station_too_early, S::train_compiler, false, error, stops,
     "station area ends at 100 m or less"},
    {status_input_failure, S::failure_path, false, error, stops,
     "input failure: missing file, file ends inside a record, or a value does not fit"},
    {status_no_line_file, S::line_compiler, false, error, stops,
     "line description file does not exist"},
    {status_no_generale, S::line_compiler, false, error, stops,
     "no [generale] section in the line description"},
    {status_bad_curve, S::line_compiler, false, error, stops,
     "curve without a class digit 1 to 6, or the plan passes 1000000 m"},
};

constexpr bool in_increasing_order() {
  for (std::size_t i = 1; i < std::size(statuses); ++i) {
    if (statuses[i - 1].code >= statuses[i].code) return false;
  }
  return true;
}
static_assert(in_increasing_order());

}  // namespace

std::span<const status_spec> all_statuses() {
  return statuses;
}

const status_spec* find_status(std::int32_t code) {
  for (const auto& s : statuses) {
    if (s.code == code) return &s;
  }
  return nullptr;
}

std::string_view setter_name(status_setter setter) {
  switch (setter) {
    case S::finishing:
      return "memorizza_percorso";
    case S::line_compiler:
    case S::train_compiler:
    case S::either_compiler:
    case S::failure_path:
      return "memorizza_dati";
    case S::memo_segnale:
      return "memo_segnale";
    case S::memo_rallentamento:
      return "memo_rallentamento";
    case S::memo_indicatori_v_max:
      return "memo_indicatori_v_max";
    case S::marker_pass:
      break;
  }
  return "signal marker pass";
}

std::string_view status_meaning(std::int32_t code) {
  const auto* s = find_status(code);
  return s != nullptr ? s->meaning : "unknown status";
}

bool status_has_position(std::int32_t code) {
  const auto* s = find_status(code);
  return s != nullptr && s->has_position;
}

std::string describe_status(std::int32_t code, std::int32_t position) {
  std::string text = "status " + std::to_string(code) + " (";
  text += status_meaning(code);
  text += ")";
  if (status_has_position(code)) text += " at " + std::to_string(position) + " m";
  return text;
}

}  // namespace scn
