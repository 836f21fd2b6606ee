// Trackside objects of the train description: signals, slowdowns and
// reduction marks.
#include "compiler/compile_status.h"
#include "compiler/train_placement.h"
#include "compiler/train_reading.h"
#include "model/cell_kind.h"
#include "model/rounding.h"

namespace scn {

namespace {

// After a placement routine: any status, including one left by the line
// half, ends the train half with the record's position.
after_record placed(train_reading& r, std::int32_t position) {
  if (r.s.status_code <= 0) return after_record::next;
  r.s.status_position = position;
  return after_record::stop;
}

}  // namespace

after_record signal_record(train_reading& r) {
  std::int32_t v[11];
  for (auto& value : v) value = r.in.read_long();
  if (beyond_line(r, v[0], record_margin)) return after_record::end_reading;
  memo_segnale(r.s, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
  return placed(r, v[0]);
}

after_record slowdown_record(train_reading& r) {
  std::int32_t v[6];
  for (auto& value : v) value = r.in.read_long();
  if (beyond_line(r, v[0], record_margin)) return after_record::end_reading;
  memo_rallentamento(r.s, v[0], v[1], v[2], v[3], v[4], v[5]);
  return placed(r, v[0]);
}

after_record reduction_mark_record(train_reading& r) {
  const std::int32_t position = r.in.read_long();
  const std::int32_t value = r.in.read_long();
  if (beyond_line(r, position, record_margin)) return after_record::end_reading;
  const std::int64_t i = fill_index(position);
  if (!is_free_at(r.s, i)) {
    refuse_at(r.s, status_reduction_cell_taken, position);
    return after_record::stop;
  }
  track_cell& cell = r.s.track_cells[static_cast<std::size_t>(i)];
  if (value < 1) {
    cell.kind = code(cell_kind::bare_reduction_mark);
  } else {
    cell.kind = code(cell_kind::reduction_mark);
    cell.value1 = low_word(value);
  }
  return after_record::next;
}

}  // namespace scn
