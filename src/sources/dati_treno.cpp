// Writer of the train description.
#include "driver/replace_text_file.h"
#include "sources/text_writers.h"
#include "sources/train_description_table.h"

namespace scn {

void dati_treno(scenario& s, const run_files& files) {
  text_lines lines;
  fill_train_description(lines);
  replace_text_file(files.train_description, lines, s.loop_index);
}

}  // namespace scn
