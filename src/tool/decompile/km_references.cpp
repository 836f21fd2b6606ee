// The kilometric references as written: the compiler reorders the three
// triples and adds 100 to a second value whose third value is 1, so the
// written order is found by letting its own ordering routine try each
// assignment of the stored triples to "uno", "due" and "tre".
#include <algorithm>
#include <array>

#include "compiler/input_failure.h"
#include "compiler/line_placement.h"
#include "model/scenario.h"
#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

namespace {

km_triple stored(const item_record& row) {
  return {row.start, row.end, row.position};
}

// The rows the compiler leaves for one assignment, or nothing when the
// ordering fails on it.
std::optional<std::array<km_triple, 3>> ordered(const km_triple& uno, const km_triple& due,
                                                const km_triple& tre) {
  scenario s;
  const auto put = [&s](int row, const km_triple& t) {
    s.items[row].start = t.first;
    s.items[row].end = t.second;
    s.items[row].position = t.third;
  };
  put(km_reference_uno_row, uno);
  put(km_reference_due_row, due);
  put(km_reference_tre_row, tre);
  try {
    progressive_ordina(s);
  } catch (const input_failure&) {
    return std::nullopt;
  }
  return std::array<km_triple, 3>{stored(s.items[km_reference_tre_row]),
                                  stored(s.items[km_reference_due_row]),
                                  stored(s.items[km_reference_uno_row])};
}

}  // namespace

void recover_km_references(const recovery& r, line_general& g) {
  const std::array<km_triple, 3> rows = {stored(r.in.items[km_reference_tre_row]),
                                         stored(r.in.items[km_reference_due_row]),
                                         stored(r.in.items[km_reference_uno_row])};
  // The triples as read: a third value of 1 had 100 added to the second.
  std::array<km_triple, 3> read = rows;
  for (auto& t : read)
    if (t.third == 1) t.second -= 100;
  std::array<int, 3> perm = {0, 1, 2};
  do {
    const km_triple& uno = read[perm[0]];
    const km_triple& due = read[perm[1]];
    const km_triple& tre = read[perm[2]];
    if (ordered(uno, due, tre) == rows) {
      g.km_uno = uno;
      g.km_due = due;
      g.km_tre = tre;
      return;
    }
  } while (std::next_permutation(perm.begin(), perm.end()));
  r.note("item rows 81 to 83", "kilometric references in an order the compiler never leaves");
  g.km_tre = read[0];
  g.km_due = read[1];
  g.km_uno = read[2];
}

}  // namespace scn::tool::decompile
