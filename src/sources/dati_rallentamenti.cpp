// Writer of the slowdown order.
#include "driver/replace_text_file.h"
#include "sources/slowdown_order_table.h"
#include "sources/text_writers.h"

namespace scn {

void dati_rallentamenti(scenario& s, const run_files& files) {
  text_lines lines;
  fill_slowdown_order(lines);
  replace_text_file(files.slowdown_order, lines, s.loop_index);
}

}  // namespace scn
