// Station records: the station row with its area, the stop cell and the
// approach codes before it.
#include <limits>
#include <string>

#include "catalogue/station_rules.h"
#include "compiler/compile_status.h"
#include "compiler/input_failure.h"
#include "compiler/train_reading.h"
#include "model/cell_kind.h"
#include "model/rounding.h"

namespace scn {

namespace {

// The values of one station record, in file order.
struct station_values {
  std::int32_t position;
  std::uint8_t kind;
  std::int32_t length;
  std::uint8_t flag_a, flag_e, flag_d;
  std::int16_t word_a, word_b;
  std::uint8_t flag_b;
  std::int16_t word_c, word_d, word_e;
  std::uint8_t flag_c;
  std::int32_t hours, minutes, seconds;
  std::string_view name;
};

station_values read_station(field_reader& in) {
  station_values v{};
  v.position = in.read_long();
  v.kind = in.read_byte();
  v.length = in.read_long();
  v.flag_a = in.read_byte();
  v.flag_e = in.read_byte();
  v.flag_d = in.read_byte();
  v.word_a = in.read_integer();
  v.word_b = in.read_integer();
  v.flag_b = in.read_byte();
  v.word_c = in.read_integer();
  v.word_d = in.read_integer();
  v.word_e = in.read_integer();
  v.flag_c = in.read_byte();
  v.hours = in.read_long();
  v.minutes = in.read_long();
  v.seconds = in.read_long();
  v.name = in.read_text();
  return v;
}

std::int32_t fit_32(std::int64_t v, const char* what) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    throw input_failure(std::string(what) + " outside 32 bits");
  return static_cast<std::int32_t>(v);
}

// Seconds since midnight; every step of the sum must stay within 32 bits.
std::int32_t time_of_day(const station_values& v) {
  std::int32_t t = fit_32(std::int64_t{v.hours} * 60, "station time");
  t = fit_32(std::int64_t{t} + v.minutes, "station time");
  t = fit_32(std::int64_t{t} * 60, "station time");
  return fit_32(std::int64_t{t} + v.seconds, "station time");
}

void store_attributes(item_record& row, const station_values& v) {
  row.flag_a = v.flag_a;
  row.flag_e = v.flag_e;
  row.flag_d = v.flag_d;
  row.word_a = v.word_a;
  row.word_b = v.word_b;
  row.flag_b = v.flag_b;
  row.word_c = v.word_c;
  row.word_d = v.word_d;
  row.word_e = v.word_e;
  row.flag_c = v.flag_c;
  row.number = time_of_day(v);
  row.text = std::string(v.name);
}

// The area as the kind derives it; kinds that reach back lose the end
// extension.
void set_area(item_record& row, std::int64_t length) {
  const station_area area = station_area_of(row.position, row.kind, length, row.flag_d);
  row.start = fit_32(area.start, "station area");
  row.end = fit_32(area.end, "station area");
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

after_record station_record(train_reading& r) {
  const station_values v = read_station(r.in);
  item_record& row = r.s.items[r.station];
  row.position = v.position;
  if (beyond_line(r, v.position, station_margin)) return after_record::end_reading;
  if (v.position % 50 != 0) return refuse_station(r, status_station_position, v.position);
  row.kind = v.kind;
  if (v.length % 100 != 0) return refuse_station(r, status_station_length, v.position);
  store_attributes(row, v);
  set_area(row, v.length);
  if (v.length < 600) row.flag_e = 0;
  if (r.station == 1) {
    row.flag_d = 0;
    row.flag_e = 0;
  }
  return place_station(r, row);
}

}  // namespace scn
