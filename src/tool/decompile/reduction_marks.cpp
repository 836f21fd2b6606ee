// Reduction marks placed by "abbattimento" records, told apart from the
// marks the marker pass adds after compilation. The pass only ever puts
// marks of speed 180 on free cells (and lowers a record's mark above 180 to
// 180), so a bare mark or a mark of any other speed is a record's. The rest
// is settled by compiling: marks of 180 that the pass does not put where the
// files have them are records too, until the compiled cells agree.
#include <algorithm>
#include <set>

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

void add_record(train_description& t, std::set<std::size_t>& added, std::size_t i,
                const track_cell& c) {
  if (!added.insert(i).second) return;
  t.reduction_marks.push_back(record_for(i, c));
}

}  // namespace

void recover_reduction_marks(const recovery& r, const std::string& line_name,
                             const std::string& train_number, const std::string& line_text,
                             train_description& t) {
  const auto& cells = r.in.cells;
  std::set<std::size_t> added;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const track_cell& c = cells[i];
    if (is_mark(c) && !(c.kind == code(cell_kind::reduction_mark) && c.value1 == pass_speed))
      add_record(t, added, i, c);
  }
  // Each round compiles and takes as records the marks of 180 the pass did
  // not reproduce; it ends once nothing is left to add.
  for (std::size_t round = 0; round <= cells.size(); ++round) {
    const auto out = compile_descriptions(line_name, train_number, line_text,
                                          write_train_description(t), /*with_plan=*/false);
    std::vector<track_cell> compiled;
    try {
      compiled = decode_cell_file(out.files.cells);
    } catch (const std::exception&) {
      return;
    }
    if (compiled.size() != cells.size()) return;
    bool more = false;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (is_mark(cells[i]) && !same_mark(cells[i], compiled[i]) && added.count(i) == 0) {
        add_record(t, added, i, cells[i]);
        more = true;
      }
    }
    if (!more) break;
  }
  std::sort(t.reduction_marks.begin(), t.reduction_marks.end(),
            [](const auto& a, const auto& b) { return a.position < b.position; });
}

}  // namespace scn::tool::decompile
