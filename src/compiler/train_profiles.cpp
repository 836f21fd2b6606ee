// The speed-limit and adhesion profiles: each record's value holds from
// its position on and is spread over the cells up to the next record.
#include "compiler/compile_status.h"
#include "compiler/input_failure.h"
#include "compiler/train_reading.h"
#include "model/rounding.h"

namespace scn {

namespace {

// Speed limits are stored in units of 5 km/h, in one byte.
std::uint8_t speed_units(std::int64_t speed) {
  const std::int64_t units = nearest(static_cast<double>(speed) / 5.0);
  if (units < 0 || units > 255) throw input_failure("speed outside 0 to 1275 km/h");
  return static_cast<std::uint8_t>(units);
}

// The value to store, worked out when the first cell takes it: a speed out
// of range fails there, and only where some cell is written.
class speed_value {
 public:
  explicit speed_value(std::int64_t speed) : speed_(speed) {}
  std::uint8_t units() {
    if (units_ < 0) units_ = speed_units(speed_);
    return static_cast<std::uint8_t>(units_);
  }

 private:
  std::int64_t speed_;
  int units_ = -1;  // not worked out yet
};

// The speed cursor never passes last_cell.
void spread_speed(train_reading& r, std::int64_t until) {
  speed_value value(r.speed);
  do {
    if (r.speed_cursor >= r.s.last_cell) break;
    r.s.track_cells[static_cast<std::size_t>(r.speed_cursor)].speed_limit = value.units();
    ++r.speed_cursor;
  } while (r.speed_cursor < until);
}

// Cells outside the model are skipped.
void spread_adhesion(train_reading& r, std::int64_t until) {
  do {
    if (in_model(r.s, r.adhesion_cursor))
      r.s.track_cells[static_cast<std::size_t>(r.adhesion_cursor)].adhesion = low_byte(r.adhesion);
    ++r.adhesion_cursor;
  } while (r.adhesion_cursor < until);
}

}  // namespace

bool beyond_line(train_reading& r, std::int32_t position, std::int32_t margin) {
  if (!lies_beyond_line(r.s, position, margin)) return false;
  refuse_at(r.s, status_beyond_line, position);
  return true;
}

after_record speed_record(train_reading& r) {
  const std::int32_t position = r.in.read_long();
  const std::int32_t speed = r.in.read_long();
  if (beyond_line(r, position, record_margin)) return after_record::end_reading;
  const std::int64_t n = fill_index(position);
  if (n > 0) spread_speed(r, n);
  r.speed = speed;
  return after_record::next;
}

after_record adhesion_record(train_reading& r) {
  const std::int32_t position = r.in.read_long();
  const std::int32_t adhesion = r.in.read_long();
  if (beyond_line(r, position, record_margin)) return after_record::end_reading;
  const std::int64_t n = fill_index(position);
  if (n > 0) spread_adhesion(r, n);
  r.adhesion = adhesion;
  return after_record::next;
}

void finish_profiles(train_reading& r) {
  const std::int64_t until = std::int64_t{r.s.last_cell} - 2;
  speed_value value(r.speed);
  do {
    if (in_model(r.s, r.speed_cursor))
      r.s.track_cells[static_cast<std::size_t>(r.speed_cursor)].speed_limit = value.units();
    ++r.speed_cursor;
  } while (r.speed_cursor < until);
  spread_adhesion(r, until);
}

}  // namespace scn
