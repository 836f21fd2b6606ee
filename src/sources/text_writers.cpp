// The five text writers: each fills its table and replaces its file.
#include "sources/text_writers.h"

#include "sources/line_description_table.h"
#include "sources/notes_document_table.h"
#include "sources/replace_text_file.h"
#include "sources/slowdown_order_table.h"
#include "sources/timetable_card_table.h"
#include "sources/train_description_table.h"

namespace scn {

namespace {

// The table lives only for the duration of the writer call.
void write_table(scenario& s, void (*fill)(text_lines&), const std::string& name) {
  text_lines lines;
  fill(lines);
  replace_text_file(name, lines, s.loop_index);
}

}  // namespace

void dati_linea(scenario& s, const run_files& files) {
  write_table(s, fill_line_description, files.line_description);
}

void dati_treno(scenario& s, const run_files& files) {
  write_table(s, fill_train_description, files.train_description);
}

void dati_note(scenario& s, const run_files& files) {
  write_table(s, fill_notes_document, files.notes);
}

void dati_rallentamenti(scenario& s, const run_files& files) {
  write_table(s, fill_slowdown_order, files.slowdown_order);
}

void dati_scheda(scenario& s, const run_files& files) {
  write_table(s, fill_timetable_card, files.timetable_card);
}

}  // namespace scn
