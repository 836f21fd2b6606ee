// Reduction marks placed by "abbattimento" records, told apart from the
// marks the marker pass adds after compilation. The pass only ever puts
// marks of speed 180 on free cells (and lowers a record's mark above 180 to
// 180), so a bare mark or a mark of any other speed is a record's. Which
// marks of 180 are records is settled by compiling: a record takes a cell
// the pass would have used, which moves the pass's mark to its next choice.
#include <optional>
#include <set>
#include <utility>

#include "model/cell_kind.h"
#include "output/cell_file.h"
#include "tool/decompile/description_writers.h"
#include "tool/decompile/reduction_marks.h"
#include "tool/decompile/round_trip.h"

namespace scn::tool::decompile {

namespace {

constexpr std::int16_t pass_speed = 180;

bool is_mark(const track_cell& c) {
  return c.kind == code(cell_kind::reduction_mark) ||
         c.kind == code(cell_kind::bare_reduction_mark);
}

bool same_mark(const track_cell& a, const track_cell& b) {
  return a.kind == b.kind && (a.kind != code(cell_kind::reduction_mark) || a.value1 == b.value1);
}

reduction_mark_row record_for(std::size_t i, const track_cell& c) {
  if (c.kind == code(cell_kind::bare_reduction_mark)) return {fill_position(i), 0};
  // A record's value below 1 would give a bare mark: the low 16 bits of
  // 65536 + value give the same value1.
  const std::int32_t value = c.value1 >= 1 ? c.value1 : c.value1 + 65536;
  return {fill_position(i), value};
}

// How far the compiled marks are from the wanted ones: the first cell where
// they differ and how many cells differ.
struct mark_distance {
  std::size_t first = 0;
  std::size_t count = 0;
  bool better_than(const mark_distance& o) const {
    return first > o.first || (first == o.first && count < o.count);
  }
};

constexpr std::size_t all_agree = static_cast<std::size_t>(-1);

class mark_search {
 public:
  mark_search(const recovery& r, const std::string& line_name, const std::string& train_number,
              const std::string& line_text, train_description& t)
      : r_(r), line_name_(line_name), train_number_(train_number), line_text_(line_text), t_(t) {}

  mark_distance distance(const std::set<std::size_t>& records) {
    t_.reduction_marks.clear();
    for (const std::size_t i : records) t_.reduction_marks.push_back(record_for(i, r_.in.cells[i]));
    const auto out = compile_descriptions(line_name_, train_number_, line_text_,
                                          write_train_description(t_), /*with_plan=*/false);
    std::vector<track_cell> compiled;
    try {
      compiled = decode_cell_file(out.files.cells);
    } catch (const std::exception&) {
      return {0, all_agree};
    }
    const auto& cells = r_.in.cells;
    if (compiled.size() != cells.size()) return {0, all_agree};
    mark_distance d{all_agree, 0};
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (!is_mark(cells[i]) && !is_mark(compiled[i])) continue;
      if (same_mark(cells[i], compiled[i])) continue;
      if (d.count++ == 0) d.first = i;
    }
    return d;
  }

 private:
  const recovery& r_;
  const std::string& line_name_;
  const std::string& train_number_;
  const std::string& line_text_;
  train_description& t_;
};

// Marks of 180 within this many cells of the first disagreement are tried as
// records: the pass's candidates for one mark lie at most two cells apart,
// the spacing along a slowdown eight.
constexpr std::size_t search_reach = 8;

}  // namespace

void recover_reduction_marks(const recovery& r, const std::string& line_name,
                             const std::string& train_number, const std::string& line_text,
                             train_description& t) {
  const auto& cells = r.in.cells;
  std::set<std::size_t> records, ambiguous;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const track_cell& c = cells[i];
    if (!is_mark(c)) continue;
    const bool pass_like = c.kind == code(cell_kind::reduction_mark) && c.value1 == pass_speed;
    (pass_like ? ambiguous : records).insert(i);
  }
  // Starting from the marks only a record can give, each step takes the
  // single change of the ambiguous marks (record or the pass's) that moves
  // the first disagreement furthest, until the compiled marks agree.
  mark_search search(r, line_name, train_number, line_text, t);
  mark_distance now = search.distance(records);
  for (std::size_t step = 0; step <= 2 * ambiguous.size() && now.count != 0; ++step) {
    std::optional<std::pair<std::set<std::size_t>, mark_distance>> best;
    const auto low =
        ambiguous.lower_bound(now.first >= search_reach ? now.first - search_reach : 0);
    for (auto it = low; it != ambiguous.end() && *it <= now.first + search_reach; ++it) {
      std::set<std::size_t> tried = records;
      if (!tried.erase(*it)) tried.insert(*it);
      const mark_distance d = search.distance(tried);
      if (d.better_than(best ? best->second : now)) best = std::pair{tried, d};
    }
    if (!best) break;
    records = best->first;
    now = best->second;
  }
  t.reduction_marks.clear();
  for (const std::size_t i : records) t.reduction_marks.push_back(record_for(i, cells[i]));
}

}  // namespace scn::tool::decompile
