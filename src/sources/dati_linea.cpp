// Writer of the line description.
#include "driver/replace_text_file.h"
#include "sources/line_description_table.h"
#include "sources/text_writers.h"

namespace scn {

void dati_linea(scenario& s, const run_files& files) {
  text_lines lines;
  fill_line_description(lines);
  replace_text_file(files.line_description, lines, s.loop_index);
}

}  // namespace scn
