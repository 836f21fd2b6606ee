// The general records of both descriptions, from the run, line and train
// rows of the item table.
#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

line_general recover_line_general(const recovery& r) {
  const item_table& items = r.in.items;
  line_general g;
  g.length = items[run_row].end;
  // The line row keeps the backdrops in the crossed order uno, tre, due.
  g.backdrop_uno = items[line_row].start;
  g.backdrop_due = items[line_row].position;
  g.backdrop_tre = items[line_row].end;
  const item_record& train = items[train_row];
  g.repetition_first = train.start;
  g.repetition_second = train.end;
  // Values off the 50 m grid stop the general part before the code count
  // is stored.
  const bool counted = train.start % 50 == 0 && train.end % 50 == 0;
  if (train.position == 9) {
    g.nine_codes = true;
  } else if (counted && train.position == 0 && train.end != 0) {
    r.note(row_name(train_row), "repetition code count 0 with a second value of " +
                                    std::to_string(train.end) + " (0 only goes with 0)");
  } else if (train.position != 4 && train.position != 0) {
    r.note(row_name(train_row),
           "repetition code count " + std::to_string(train.position) + " (only 4, 9 or 0)");
  }
  if (train.position != 0 && train.end == 0) {
    r.note(row_name(train_row), "repetition code count " + std::to_string(train.position) +
                                    " with a second value of 0, which stores the count 0");
  }
  recover_km_references(r, g);
  return g;
}

train_general recover_train_general(const recovery& r) {
  const item_table& items = r.in.items;
  train_general g;
  g.braked_mass = items[run_row].start;
  g.coaches = items[run_row].position;
  g.sand = items[train_row].word_a;
  g.hours = items[train_row].word_c;
  g.minutes = items[train_row].word_d;
  g.seconds = items[train_row].word_e;
  return g;
}

}  // namespace scn::tool::decompile
