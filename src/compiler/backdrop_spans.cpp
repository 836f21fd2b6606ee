// Backdrop spans: stored in the span list and laid into the cells.
#include <algorithm>

#include "compiler/input_failure.h"
#include "compiler/line_placement.h"
#include "model/cell_kind.h"
#include "model/rounding.h"

namespace scn {

namespace {

// Spans beginning this close after the previous span's end get backdrop 3.
constexpr std::int64_t joined_span_gap = 150;
constexpr std::int32_t joined_span_type = 3;

}  // namespace

void memo_montagna(scenario& s, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo) {
  bool marks = false;
  if (tipo > 10) {
    marks = true;
    tipo -= 10;
  }
  if (s.backdrop_count >= max_backdrop_spans) throw input_failure("more than 80 backdrop spans");
  ++s.backdrop_count;
  s.backdrop_starts[s.backdrop_count] = inizio;
  s.backdrop_ends[s.backdrop_count] = fine;
  if (s.backdrop_count > 1 &&
      std::int64_t{inizio} - s.backdrop_ends[s.backdrop_count - 1] <= joined_span_gap)
    tipo = joined_span_type;

  const std::int64_t first = nearest(inizio / 50.0);
  const std::int64_t last = nearest(fine / 50.0 - 1.0);
  const std::int64_t from = std::max<std::int64_t>(first, 0);
  const std::int64_t to =
      std::min<std::int64_t>(last, static_cast<std::int64_t>(s.track_cells.size()) - 1);
  for (std::int64_t i = from; i <= to; ++i) {
    auto& cell = s.track_cells[static_cast<std::size_t>(i)];
    cell.backdrop = low_byte(tipo);
    const std::int64_t count = i - first + 1;
    if (marks && count % 4 == 0 && cell.kind == code(cell_kind::empty))
      cell.kind = code(cell_kind::backdrop_mark);
  }
}

}  // namespace scn
