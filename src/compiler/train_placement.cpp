// Signals and temporary slowdowns placed into the track cells.
#include "compiler/train_placement.h"

#include "model/cell_kind.h"
#include "model/rounding.h"

namespace scn {

namespace {

// A slowdown starting at or before this position has no warning board.
constexpr std::int64_t warning_threshold = 1500;
// The warning board stands this many metres before the slowdown start.
constexpr std::int64_t warning_distance = 1200;
// Tempo values from 1 up to this limit are raised to one above it.
constexpr std::int32_t min_signal_tempo = 100;

track_cell& cell_at(scenario& s, std::int64_t i) {
  return s.track_cells[static_cast<std::size_t>(i)];
}

void write_signal_approach(scenario& s, std::int64_t signal_cell, std::int32_t sx,
                           std::int32_t dx) {
  const std::int64_t aspect = 10 * (3 * static_cast<std::int64_t>(sx) + dx);
  for (std::int64_t k = 1; k <= 4; ++k) {
    const std::int64_t i = signal_cell - 2 * k;
    if (in_model(s, i)) cell_at(s, i).approach = low_byte(aspect + k);
  }
}

// Cells one slowdown claims; `warning` and `pre_warning` apply only to a
// slowdown with a warning board.
struct slowdown_cells {
  std::int64_t start;
  std::int64_t end;
  std::int64_t warning;
  std::int64_t pre_warning;  // the first of four, counting away from the warning
  bool has_warning;
};

slowdown_cells locate_slowdown(std::int32_t x, std::int32_t l) {
  const std::int64_t from = x;
  return {cell_index(from), cell_index(from + l), cell_index(from - warning_distance),
          fill_index(from - warning_distance), from > warning_threshold};
}

// 0 when the start, end and warning cells are all free, else the refusal.
std::int32_t test_slowdown_cells(const scenario& s, const slowdown_cells& at) {
  if (at.has_warning && !is_free_at(s, at.warning)) return status_warning_cell_taken;
  if (!is_free_at(s, at.start)) return status_start_cell_taken;
  if (!is_free_at(s, at.end)) return status_end_cell_taken;
  return 0;
}

void mark_slowdown_cell(track_cell& c, cell_kind kind, std::int32_t d_v) {
  c.kind = code(kind);
  if (d_v != 0) c.value2 = low_word(d_v);
}

// End first, then start: a slowdown of length 0 ends up as a start cell.
void write_slowdown_cells(scenario& s, const slowdown_cells& at, std::int32_t v, std::int32_t f_tt,
                          std::int32_t d_v) {
  mark_slowdown_cell(cell_at(s, at.end), cell_kind::slowdown_end, d_v);
  mark_slowdown_cell(cell_at(s, at.start), cell_kind::slowdown_start, d_v);
  if (at.has_warning) {
    mark_slowdown_cell(cell_at(s, at.warning), cell_kind::slowdown_warning, d_v);
    cell_at(s, at.warning).value1 = low_word(v);
  }
  for (const std::int64_t i : {at.start, at.end}) cell_at(s, i).value1 = low_word(v);
  for (const std::int64_t i : {at.start, at.end}) cell_at(s, i).value3 = low_word(f_tt);
}

// The four pre-warning cells, numbered 1 to 4 from the warning board back.
bool write_pre_warning_cells(scenario& s, std::int64_t first, std::int32_t d_v) {
  for (std::int64_t j = 0; j < 4; ++j)
    if (!is_free_at(s, first - j)) return false;
  for (std::int64_t j = 0; j < 4; ++j) {
    track_cell& c = cell_at(s, first - j);
    c.kind = code(cell_kind::warning_approach);
    c.value1 = low_word(j + 1);
    if (d_v != 0) c.value2 = low_word(j + 1);
  }
  return true;
}

}  // namespace

void memo_segnale(scenario& s, std::int32_t posizione, std::int32_t sx, std::int32_t s1,
                  std::int32_t s2, std::int32_t s3, std::int32_t rapp, std::int32_t dx,
                  std::int32_t d1, std::int32_t d2, std::int32_t d3, std::int32_t& tempo) {
  const std::int64_t i = cell_index(posizione);
  if (!is_free_at(s, i)) {
    s.status_code = status_signal_cell_taken;
    return;
  }
  track_cell& c = cell_at(s, i);
  c.kind = code(cell_kind::signal);
  c.value4 =
      low_word(static_cast<std::int64_t>(rapp) * 10 + static_cast<std::int64_t>(sx) * 3 + dx);
  c.value1 = low_word(static_cast<std::int64_t>(s1) * 10 + d1);
  c.value2 = low_word(static_cast<std::int64_t>(s2) * 10 + d2);
  c.value3 = low_word(static_cast<std::int64_t>(s3) * 10 + d3);
  if (tempo >= 1 && tempo <= min_signal_tempo) tempo = min_signal_tempo + 1;
  c.timer = sx == 2 ? low_byte(tempo) : 0;
  write_signal_approach(s, i, sx, dx);
}

void memo_rallentamento(scenario& s, std::int32_t x, std::int32_t v, std::int32_t l,
                        std::int32_t f_tt, std::int32_t f_ta, std::int32_t d_v) {
  const slowdown_cells at = locate_slowdown(x, l);
  if (const std::int32_t refusal = test_slowdown_cells(s, at); refusal != 0) {
    s.status_code = refusal;
    return;
  }
  write_slowdown_cells(s, at, v, f_tt, d_v);
  if (at.has_warning && f_ta != 0 && !write_pre_warning_cells(s, at.pre_warning, d_v))
    s.status_code = status_pre_warning_cell_taken;
}

}  // namespace scn
