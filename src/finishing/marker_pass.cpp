// The signal marker pass over the track cells.
#include "finishing/marker_pass.h"

#include <initializer_list>

#include "compiler/smaller_value.h"
#include "model/cell_kind.h"

namespace scn {

namespace {

// How far the passes look: signals up to 20 cells before a warning, a signal
// up to 12 cells after a slowdown's end, a mark every 8 cells along it.
constexpr std::int64_t warning_look_back = 20;
constexpr std::int64_t signal_search_reach = 12;
constexpr std::int32_t spacing = 8;

class marker_pass {
 public:
  marker_pass(scenario& s, compile_observer* observer)
      : s_(s), observer_(observer), last_(static_cast<std::int64_t>(s.track_cells.size()) - 1) {}

  void run() {
    for (std::int64_t c = 1; c <= last_ - 2; ++c) {
      if (kind_is(c, cell_kind::slowdown_warning)) {
        signals_before_warning(c);
      } else if (kind_is(c, cell_kind::slowdown_start)) {
        slowdown_marks(c);
      }
    }
  }

 private:
  track_cell& cell(std::int64_t i) { return s_.track_cells[static_cast<std::size_t>(i)]; }
  bool kind_is(std::int64_t i, cell_kind k) { return in_model(s_, i) && cell(i).kind == code(k); }
  bool is_free(std::int64_t i) { return is_free_at(s_, i); }

  void set_marker(std::int64_t i) {
    cell(i).kind = code(cell_kind::reduction_mark);
    cell(i).value1 = marker_speed;
  }

  void report(std::int32_t status, std::int64_t i) {
    s_.status_code = status;
    s_.status_position = static_cast<std::int32_t>(i * 50);
    if (observer_ != nullptr) observer_->on_finishing_status(status, s_.status_position);
  }

  // Marks the first free cell among the candidates; false when none is free.
  bool mark_first_free(std::initializer_list<std::int64_t> candidates) {
    for (const std::int64_t i : candidates) {
      if (is_free(i)) {
        set_marker(i);
        return true;
      }
    }
    return false;
  }

  // Every signal in the 20 cells before a warning cell, nearest first, gets a
  // mark on one of the two cells before it, or caps an existing mark there.
  void signals_before_warning(std::int64_t c) {
    for (std::int64_t a = 1; a <= warning_look_back; ++a) {
      const std::int64_t sig = c - a;
      if (sig < 3) return;
      if (kind_is(sig, cell_kind::signal)) mark_before_signal(sig);
    }
  }

  void mark_before_signal(std::int64_t sig) {
    if (mark_first_free({sig - 1, sig - 2})) return;
    for (const std::int64_t i : {sig - 1, sig - 2}) {
      if (kind_is(i, cell_kind::reduction_mark)) {
        cell(i).value1 = minimo(marker_speed, cell(i).value1);
        return;
      }
    }
    report(status_no_mark_before_signal, sig);
  }

  void slowdown_marks(std::int64_t c) {
    approach_marks(c);
    const std::int64_t end = cell(c).value1 < slow_slowdown_speed ? marks_along(c) : find_end(c);
    mark_before_next_signal(end);
  }

  // Three marks 250 to 350, 550 to 650 and 900 to 1000 m before the start.
  void approach_marks(std::int64_t c) {
    for (const std::int64_t near : {5, 11, 18}) {
      if (c <= near + 2) continue;
      if (!mark_first_free({c - near, c - near - 1, c - near - 2}))
        report(status_no_mark_before_slowdown, c);
    }
  }

  // Cell where a walk from the start meets the slowdown's end, or the last cell.
  std::int64_t find_end(std::int64_t c) {
    std::int64_t k = c;
    do {
      ++k;
    } while (!kind_is(k, cell_kind::slowdown_end) && k < last_);
    return k;
  }

  // Walks to the end cell placing a mark every 8 cells, each counted from the
  // cell the previous one actually went to. Returns the cell the walk ends on.
  std::int64_t marks_along(std::int64_t c) {
    std::int32_t count = 0;
    std::int64_t k = c;
    do {
      ++k;
      if (++count == spacing) count = spacing_mark(k);
    } while (!kind_is(k, cell_kind::slowdown_end) && k < last_);
    return k;
  }

  // The spacing counter after a mark due on cell k: it counts from the cell
  // the mark went to, and stays at 8 when none could be placed.
  std::int32_t spacing_mark(std::int64_t k) {
    if (mark_first_free({k})) return 0;
    if (mark_first_free({k - 1})) return 1;
    if (mark_first_free({k + 1})) return -1;
    report(status_no_mark_along_slowdown, k);
    return spacing;
  }

  // A mark before the first signal within 12 cells from k (never past the last cell).
  void mark_before_next_signal(std::int64_t k) {
    std::int64_t before = 0;
    for (std::int64_t t = k; t <= k + signal_search_reach && t <= last_; ++t) {
      if (kind_is(t, cell_kind::signal)) {
        before = t - 1;
        break;
      }
    }
    if (before <= 0) return;
    if (!mark_first_free({before, before - 1})) report(status_no_mark_along_slowdown, k);
  }

  scenario& s_;
  compile_observer* observer_;
  const std::int64_t last_;
};

}  // namespace

void signal_marker_pass(scenario& s, compile_observer* observer) {
  if (!has_cells(s)) return;
  marker_pass(s, observer).run();
}

}  // namespace scn
