// Writer of the notes document.
#include "driver/replace_text_file.h"
#include "sources/notes_document_table.h"
#include "sources/text_writers.h"

namespace scn {

void dati_note(scenario& s, const run_files& files) {
  text_lines lines;
  fill_notes_document(lines);
  replace_text_file(files.notes, lines, s.loop_index);
}

}  // namespace scn
