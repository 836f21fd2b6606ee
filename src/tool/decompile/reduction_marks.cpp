// Reduction marks placed by "abbattimento" records, told apart from the
// marks the marker pass adds after compilation. The pass only ever puts
// marks of speed 180 on free cells (and lowers a record's mark above 180 to
// 180), so a bare mark or a mark of any other speed is a record's. Which
// marks of 180 are records is a search: a record takes a cell the pass would
// have used, which moves the pass's mark to its next choice. The compiler
// gives the cells before the pass twice, without the ambiguous records and
// with all of them; each candidate set of records takes its cells from the
// one or the other, and the pass itself runs on the result.
#include <optional>
#include <set>
#include <utility>

#include "compiler/compile_descriptions.h"
#include "finishing/marker_pass.h"
#include "model/cell_kind.h"
#include "tool/decompile/description_writers.h"
#include "tool/decompile/reduction_marks.h"

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

// The model as the compiler leaves it, before the marker pass.
scenario compiled_model(const std::string& line_name, const std::string& train_number,
                        const std::string& line_text, const std::string& train_text) {
  scenario s;
  s.line_name = line_name;
  s.train_number = train_number;
  reset_item_table(s);
  memory_description_files files(line_text, train_text);
  memorizza_dati(s, files);
  return s;
}

// How far the marks after the pass are from the wanted ones: the first cell
// where they differ and how many cells differ.
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
  mark_search(const recovery& r, scenario without, scenario with)
      : r_(r), without_(std::move(without)), with_(std::move(with)) {}

  bool usable() const { return without_.track_cells.size() == r_.in.cells.size(); }
  // The search gives up after this many passes: a file no record set can
  // explain is reported, not searched for minutes.
  bool exhausted() const { return runs_ >= max_runs; }

  mark_distance distance(const std::set<std::size_t>& records) {
    ++runs_;
    work_ = without_;
    for (const std::size_t i : records)
      if (i < with_.track_cells.size()) work_.track_cells[i] = with_.track_cells[i];
    signal_marker_pass(work_);
    const auto& cells = r_.in.cells;
    mark_distance d{all_agree, 0};
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const track_cell& got = work_.track_cells[i];
      if (!is_mark(cells[i]) && !is_mark(got)) continue;
      if (same_mark(cells[i], got)) continue;
      if (d.count++ == 0) d.first = i;
    }
    return d;
  }

 private:
  static constexpr std::size_t max_runs = 20000;
  const recovery& r_;
  scenario without_, with_, work_;
  std::size_t runs_ = 0;
};

// Marks of 180 within this many cells of the first disagreement are tried as
// records: the pass's candidates for one mark lie at most two cells apart,
// and a mark along a slowdown moves the next one, eight cells on, with it.
constexpr std::size_t search_reach = 16;

using record_set = std::set<std::size_t>;

std::vector<std::size_t> near(const record_set& ambiguous, std::size_t at) {
  std::vector<std::size_t> out;
  const auto low = ambiguous.lower_bound(at >= search_reach ? at - search_reach : 0);
  for (auto it = low; it != ambiguous.end() && *it <= at + search_reach; ++it) out.push_back(*it);
  return out;
}

record_set toggled(record_set records, std::size_t a) {
  if (!records.erase(a)) records.insert(a);
  return records;
}

// Each step takes the change of one ambiguous mark, or failing that of two,
// that moves the first disagreement furthest, until the marks agree.
record_set search_records(mark_search& search, const record_set& ambiguous, record_set records) {
  mark_distance now = search.distance(records);
  for (std::size_t step = 0; step <= 2 * ambiguous.size() && now.count != 0 && !search.exhausted();
       ++step) {
    std::optional<std::pair<record_set, mark_distance>> best;
    const auto consider = [&](record_set tried) {
      const mark_distance d = search.distance(tried);
      if (d.better_than(best ? best->second : now)) best = std::pair{std::move(tried), d};
    };
    const auto candidates = near(ambiguous, now.first);
    for (const auto a : candidates) consider(toggled(records, a));
    for (std::size_t x = 0; !best && !search.exhausted() && x < candidates.size(); ++x)
      for (std::size_t y = x + 1; y < candidates.size(); ++y)
        consider(toggled(toggled(records, candidates[x]), candidates[y]));
    if (!best) break;
    records = std::move(best->first);
    now = best->second;
  }
  return records;
}

void put_records(train_description& t, const recovery& r, const record_set& records) {
  t.reduction_marks.clear();
  for (const std::size_t i : records) t.reduction_marks.push_back(record_for(i, r.in.cells[i]));
}

}  // namespace

void recover_reduction_marks(const recovery& r, const std::string& line_name,
                             const std::string& train_number, const std::string& line_text,
                             train_description& t) {
  const auto& cells = r.in.cells;
  record_set records, ambiguous;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const track_cell& c = cells[i];
    if (!is_mark(c)) continue;
    const bool pass_like = c.kind == code(cell_kind::reduction_mark) && c.value1 == pass_speed;
    (pass_like ? ambiguous : records).insert(i);
  }
  put_records(t, r, records);
  scenario without = compiled_model(line_name, train_number, line_text, write_train_description(t));
  record_set all = records;
  all.insert(ambiguous.begin(), ambiguous.end());
  put_records(t, r, all);
  scenario with = compiled_model(line_name, train_number, line_text, write_train_description(t));
  mark_search search(r, std::move(without), std::move(with));
  if (search.usable() && !ambiguous.empty()) {
    // From no ambiguous record first; where that gets stuck, from all of
    // them, keeping whichever comes closer.
    const record_set from_none = search_records(search, ambiguous, records);
    const mark_distance none_distance = search.distance(from_none);
    records = from_none;
    if (none_distance.count != 0) {
      const record_set from_all = search_records(search, ambiguous, all);
      if (search.distance(from_all).better_than(none_distance)) records = from_all;
    }
  }
  put_records(t, r, records);
}

}  // namespace scn::tool::decompile
