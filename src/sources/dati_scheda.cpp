// Writer of the timetable card.
#include "driver/replace_text_file.h"
#include "sources/text_writers.h"
#include "sources/timetable_card_table.h"

namespace scn {

void dati_scheda(scenario& s, const run_files& files) {
  text_lines lines;
  fill_timetable_card(lines);
  replace_text_file(files.timetable_card, lines, s.loop_index);
}

}  // namespace scn
