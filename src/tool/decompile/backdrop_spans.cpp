// Backdrop spans from the cells' backdrop bytes and backdrop marks. A span
// gives every cell from round(inizio / 50) to round(fine / 50 - 1) its type;
// a tipo above 10 also marks every fourth cell of the span that is still
// empty; a span beginning 150 m or less after the previous one ends takes
// type 3 whatever its tipo.
#include <algorithm>
#include <optional>
#include <utility>

#include "model/cell_kind.h"
#include "model/scenario.h"
#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

namespace {

struct cell_span {
  std::size_t first = 0, last = 0;
  std::uint8_t type = 0;
  bool marks = false;
};

bool is_mark(const track_cell& c) {
  return c.kind == code(cell_kind::backdrop_mark);
}

// Splits one run of cells of equal type where the marks say that one span
// ends and another begins: every span counts its fourth cells from its own
// first cell, and a marking span leaves none of them empty.
class mark_splitter {
 public:
  mark_splitter(const recovery& r, std::vector<cell_span>& out, std::size_t first,
                std::uint8_t type)
      : r_(r), out_(out), cur_{first, first, type, false} {}

  void visit(std::size_t c) {
    const track_cell& cell = r_.in.cells[c];
    const bool fourth = (c - cur_.first + 1) % 4 == 0;
    if (is_mark(cell)) {
      if (pending_) {
        start_pending(c);
      } else if (fourth && !last_empty_fourth_) {
        cur_.marks = true;
        last_mark_ = c;
      } else if (c >= cur_.first + 4 && (!last_mark_ || c - 3 > *last_mark_)) {
        start_new(c - 3, true);
        last_mark_ = c;
      } else {
        r_.note(cell_name(c), "backdrop mark out of step with the marks of its span");
      }
    } else if (fourth && !pending_ && cell.kind == code(cell_kind::empty)) {
      // A marking span would have marked this cell: the next span begins
      // after the last mark and no later than here.
      if (cur_.marks)
        pending_ = std::pair{*last_mark_ + 1, c};
      else
        last_empty_fourth_ = c;
    }
  }

  void finish(std::size_t last) {
    if (pending_) start_new(pending_->second, false);
    cur_.last = last;
    out_.push_back(cur_);
  }

 private:
  // The next span has its fourth cell on the mark at m. Where it cannot
  // begin within the pending bounds, a span without marks fills the cells
  // between.
  void start_pending(std::size_t m) {
    const std::size_t high = pending_->second;
    pending_.reset();
    if (m - 3 > high) start_new(high, false);
    start_new(m - 3, true);
    last_mark_ = m;
  }

  void start_new(std::size_t first, bool marks) {
    cur_.last = first - 1;
    out_.push_back(cur_);
    cur_ = {first, first, cur_.type, marks};
    last_mark_.reset();
    last_empty_fourth_.reset();
  }

  const recovery& r_;
  std::vector<cell_span>& out_;
  cell_span cur_;
  std::optional<std::size_t> last_mark_;
  std::optional<std::size_t> last_empty_fourth_;
  std::optional<std::pair<std::size_t, std::size_t>> pending_;
};

void split_by_marks(const recovery& r, std::size_t first, std::size_t last, std::uint8_t type,
                    std::vector<cell_span>& out) {
  mark_splitter split(r, out, first, type);
  for (std::size_t c = first; c <= last; ++c) split.visit(c);
  split.finish(last);
}

std::vector<cell_span> cell_spans(const recovery& r) {
  std::vector<cell_span> spans;
  const auto& cells = r.in.cells;
  for (std::size_t i = 0; i < cells.size();) {
    const std::uint8_t type = cells[i].backdrop;
    std::size_t j = i;
    while (j + 1 < cells.size() && cells[j + 1].backdrop == type) ++j;
    if (type != 0) {
      split_by_marks(r, i, j, type, spans);
    } else {
      for (std::size_t c = i; c <= j; ++c)
        if (is_mark(cells[c])) r.note(cell_name(c), "backdrop mark outside every backdrop span");
    }
    i = j + 1;
  }
  return spans;
}

// The tipo that gives `type` with or without marks: above 10 switches the
// marks on and loses 10; only the low byte reaches the cells.
std::int32_t tipo_for(std::uint8_t type, bool marks) {
  if (marks) return type >= 1 ? type + 10 : type + 266;
  return type <= 10 ? type : type - 256;
}

constexpr std::int32_t forced_type = 3;
constexpr std::int32_t near_gap = 150;

// A span from 0 to 0: it covers no cell, and a span after it that begins
// beyond 150 m keeps its type.
constexpr span_row spacer{0, 0, 0};

// Appends the records of `spans` in order, each non-3 type far enough from
// the record before it.
void place_spans(const recovery& r, const std::vector<cell_span>& spans,
                 std::vector<span_row>& rows) {
  for (const auto& s : spans) {
    span_row row;
    row.inizio = fill_position(s.first);
    row.fine = fill_position(s.last + 1);
    row.tipo = tipo_for(s.type, s.marks);
    if (!rows.empty() && s.type != forced_type && row.inizio - rows.back().fine <= near_gap) {
      // As late a start and as early an end as still cover the same cells.
      row.inizio += 24;
      rows.back().fine -= 24;
    }
    if (!rows.empty() && s.type != forced_type && row.inizio - rows.back().fine <= near_gap) {
      // A span that covers no cell but ends at 0 lets the next one keep its
      // type.
      if (row.inizio > near_gap)
        rows.push_back(spacer);
      else
        r.note(cell_name(s.first), "backdrop type " + std::to_string(s.type) +
                                       " on a span after another within the first 150 m, "
                                       "which always takes type 3");
    }
    rows.push_back(row);
  }
}

// Spans laid over each other leave marks that no single layer explains.
// Then every chain of marks four cells apart gets a marking span of its own,
// and spans without marks, written after them, give every cell its type.
std::vector<span_row> layered_spans(const recovery& r) {
  const auto& cells = r.in.cells;
  std::vector<cell_span> marking;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    if (!is_mark(cells[c])) continue;
    if (!marking.empty() && marking.back().last + 4 == c) {
      marking.back().last = c;
      continue;
    }
    // Cells before cell 0 are counted but not written.
    marking.push_back({c, c, forced_type, true});
  }
  std::vector<span_row> rows;
  for (const auto& m : marking)
    rows.push_back(
        {fill_position(m.first) - 150, fill_position(m.last + 1), tipo_for(forced_type, true)});
  std::vector<cell_span> types;
  for (std::size_t i = 0; i < cells.size();) {
    std::size_t j = i;
    while (j + 1 < cells.size() && cells[j + 1].backdrop == cells[i].backdrop) ++j;
    const bool marked = std::any_of(marking.begin(), marking.end(), [&](const cell_span& m) {
      return m.first <= j + 3 && m.last >= i;
    });
    if (cells[i].backdrop != 0 || marked) types.push_back({i, j, cells[i].backdrop, false});
    i = j + 1;
  }
  place_spans(r, types, rows);
  return rows;
}

}  // namespace

std::vector<span_row> recover_spans(const recovery& r) {
  std::vector<finding> simple_findings;
  const recovery simple{r.in, simple_findings};
  std::vector<span_row> rows;
  place_spans(simple, cell_spans(simple), rows);
  if (!simple_findings.empty()) {
    rows = layered_spans(r);
  }
  if (rows.size() > static_cast<std::size_t>(max_backdrop_spans))
    r.note("backdrop spans", std::to_string(rows.size()) + " spans, more than " +
                                 std::to_string(max_backdrop_spans) + " fit in the model");
  return rows;
}

}  // namespace scn::tool::decompile
