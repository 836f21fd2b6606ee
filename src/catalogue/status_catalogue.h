// Every code of the status register: who sets it, what it means, whether a
// position goes with it and what the setter does next. The compiler, the
// placement routines, the marker pass, the program's messages and check all
// name codes from here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace scn {

inline constexpr std::int32_t status_ok = 0;
inline constexpr std::int32_t status_line_too_long = 1;
inline constexpr std::int32_t status_bad_reference = 2;
inline constexpr std::int32_t status_repetition_first = 3;
inline constexpr std::int32_t status_repetition_second = 4;
inline constexpr std::int32_t status_repetition_code = 5;
inline constexpr std::int32_t status_board_cell_taken = 6;
inline constexpr std::int32_t status_reduction_cell_taken = 7;
inline constexpr std::int32_t status_station_position = 8;
inline constexpr std::int32_t status_station_length = 9;
inline constexpr std::int32_t status_station_rows_full = 10;
inline constexpr std::int32_t status_no_mark_before_signal = 11;
inline constexpr std::int32_t status_no_mark_before_slowdown = 12;
inline constexpr std::int32_t status_no_mark_along_slowdown = 13;
inline constexpr std::int32_t status_beyond_line = 15;
inline constexpr std::int32_t status_signal_cell_taken = 16;
inline constexpr std::int32_t status_warning_cell_taken = 17;
inline constexpr std::int32_t status_start_cell_taken = 18;
inline constexpr std::int32_t status_end_cell_taken = 19;
inline constexpr std::int32_t status_pre_warning_cell_taken = 20;
inline constexpr std::int32_t status_speed_post_cell_taken = 21;
inline constexpr std::int32_t status_station_spacing = 22;
inline constexpr std::int32_t status_station_too_early = 24;
inline constexpr std::int32_t status_input_failure = 25;
inline constexpr std::int32_t status_no_line_file = 101;
inline constexpr std::int32_t status_no_generale = 102;
inline constexpr std::int32_t status_bad_curve = 103;

// The procedure that sets a code.
enum class status_setter : std::uint8_t {
  finishing,              // memorizza_percorso, at its start
  line_compiler,          // memorizza_dati, line half
  train_compiler,         // memorizza_dati, train half
  either_compiler,        // memorizza_dati, whichever half reads the record
  failure_path,           // memorizza_dati, its single failure path
  memo_segnale,           // signal placement
  memo_rallentamento,     // slowdown placement
  memo_indicatori_v_max,  // speed-indicator post placement
  marker_pass,            // signal marker pass
};

// How bad a code is for the scenario being built.
enum class status_severity : std::uint8_t {
  none,   // all is well
  error,  // something the descriptions asked for was refused or lost
};

// What the setter does after setting the code.
enum class status_then : std::uint8_t {
  nothing,         // code 0
  compiler_stops,  // the half closes and deletes its file and the compiler returns
  reading_stops,   // the file's reading stops; the half finishes as at its end
  pass_goes_on,    // the marker pass carries on
};

struct status_spec {
  std::int32_t code;
  status_setter setter;
  bool has_position;  // status_position receives a position in metres
  status_severity severity;
  status_then then;
  std::string_view meaning;
};

// Every code the register takes, in increasing order.
std::span<const status_spec> all_statuses();

// The entry of a code; null for a code never set.
const status_spec* find_status(std::int32_t code);

// The procedure's own name, such as "memo_segnale".
std::string_view setter_name(status_setter setter);

// Short meaning of a code; "unknown status" for codes never set.
std::string_view status_meaning(std::int32_t code);

// True for the codes that record a position in status_position.
bool status_has_position(std::int32_t code);

// One-line summary such as "status 8 (station position not a multiple of 50) at 4525 m".
std::string describe_status(std::int32_t code, std::int32_t position);

}  // namespace scn
