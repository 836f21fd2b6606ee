// Station records: the station row with its area, the stop cell and the
// approach codes before it.
#include <limits>
#include <string>

#include "catalogue/station_rules.h"
#include "compiler/compile_status.h"
#include "compiler/input_failure.h"
#include "compiler/item_text.h"
#include "compiler/train_reading.h"
#include "model/cell_kind.h"
#include "model/rounding.h"

namespace scn {

namespace {

std::int32_t fit_32(std::int64_t v, const char* what) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    throw input_failure(std::string(what) + " outside 32 bits");
  return static_cast<std::int32_t>(v);
}

// Seconds since midnight, (h * 60 + m) * 60 + s; every step of the sum must
// stay within 32 bits.
std::int32_t time_of_day(std::int32_t hours, std::int32_t minutes, std::int32_t seconds) {
  std::int32_t t = fit_32(std::int64_t{hours} * 60, "station time");
  t = fit_32(std::int64_t{t} + minutes, "station time");
  t = fit_32(std::int64_t{t} * 60, "station time");
  return fit_32(std::int64_t{t} + seconds, "station time");
}

// The fields after the length, each stored in the row as it is read, so a
// field that fails leaves the ones before it in place. The time is stored
// once its three values are read, then the name.
void read_attributes(field_reader& in, item_record& row) {
  row.flag_a = in.read_byte();
  row.flag_e = in.read_byte();
  row.flag_d = in.read_byte();
  row.word_a = in.read_integer();
  row.word_b = in.read_integer();
  row.flag_b = in.read_byte();
  row.word_c = in.read_integer();
  row.word_d = in.read_integer();
  row.word_e = in.read_integer();
  row.flag_c = in.read_byte();
  const std::int32_t hours = in.read_long();
  const std::int32_t minutes = in.read_long();
  const std::int32_t seconds = in.read_long();
  row.number = time_of_day(hours, minutes, seconds);
  row.text = item_text(in, in.read_text());
}

// The area as the kind derives it, each bound stored as it is computed:
// kinds 5 and 6 store their end first, every other kind its start. Kinds
// that reach back lose the end extension.
void set_area(item_record& row, std::int32_t length) {
  const station_area area = station_area_of(row.position, row.kind, length, row.flag_d);
  if (row.kind == 5 || row.kind == 6) {
    row.end = fit_32(area.end, "station area");
    row.start = fit_32(area.start, "station area");
  } else {
    row.start = fit_32(area.start, "station area");
    row.end = fit_32(area.end, "station area");
  }
  if (station_reaches_back(row.kind)) row.flag_d = 0;
}

// Approach codes 81 to 84 on the cells before the stop cell.
void write_approach(scenario& s, const item_record& row) {
  for (int k = 1; k <= 4; ++k) {
    const double t = row.end / 50.0 - k - 1;
    if (!(t > 1.0)) continue;
    const std::int64_t i = nearest(t);
    if (in_model(s, i)) s.track_cells[static_cast<std::size_t>(i)].approach = low_byte(80 + k);
  }
}

// False when the area ends too near the start of the line for a stop cell.
bool write_stop_cell(scenario& s, const item_record& row, std::int32_t station) {
  const double t = row.end / 50.0 - 1;
  if (!(t > 1.0)) return false;
  const std::int64_t i = nearest(t);
  if (!in_model(s, i)) return true;
  track_cell& cell = s.track_cells[static_cast<std::size_t>(i)];
  cell.kind = code(cell_kind::station_stop);
  cell.value1 = low_word(station);
  return true;
}

after_record refuse_station(train_reading& r, std::int32_t code, std::int32_t position) {
  refuse_at(r.s, code, position);
  return after_record::stop;
}

// Stop cell, approach codes, spacing and the count of station rows.
after_record place_station(train_reading& r, const item_record& row) {
  const bool stops = station_has_stop(row.kind);
  if (station_has_approach(row.kind)) write_approach(r.s, row);
  if (stops && !write_stop_cell(r.s, row, r.station)) {
    refuse(r.s, status_station_too_early);
    return after_record::stop;
  }
  if (r.station > 1 && std::int64_t{row.start} - station_spacing < r.s.items[r.station - 1].end)
    return refuse_station(r, status_station_spacing, row.position);
  ++r.station;
  if (r.station >= r.next_board_row) {
    refuse(r.s, status_station_rows_full);
    return after_record::stop;
  }
  return after_record::next;
}

}  // namespace

// Reads and checks interleave: the position is stored and tested before the
// kind is read, the kind stored and the length tested before the rest.
after_record station_record(train_reading& r) {
  item_record& row = r.s.items[r.station];
  row.position = r.in.read_long();
  if (beyond_line(r, row.position, station_margin)) return after_record::end_reading;
  if (row.position % 50 != 0) return refuse_station(r, status_station_position, row.position);
  row.kind = r.in.read_byte();
  const std::int32_t length = r.in.read_long();
  if (length % 100 != 0) return refuse_station(r, status_station_length, row.position);
  read_attributes(r.in, row);
  set_area(row, length);
  if (length < 600) row.flag_e = 0;
  if (r.station == 1) {
    row.flag_d = 0;
    row.flag_e = 0;
  }
  return place_station(r, row);
}

}  // namespace scn
