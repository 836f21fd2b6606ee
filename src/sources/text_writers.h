// The five text writers of a run: each fills its table of lines and writes
// it to its file with replace_text_file.
#pragma once

#include "model/scenario.h"
#include "pipeline/run_files.h"

namespace scn {

void dati_linea(scenario& s, const run_files& files);
void dati_treno(scenario& s, const run_files& files);
void dati_note(scenario& s, const run_files& files);
void dati_rallentamenti(scenario& s, const run_files& files);
void dati_scheda(scenario& s, const run_files& files);

}  // namespace scn
