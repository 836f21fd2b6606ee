// The run sequence.
#include "driver/run_sequence.h"

#include <cstdio>

#include "catalogue/status_catalogue.h"
#include "driver/fatal_error.h"
#include "driver/run_lock.h"
#include "pipeline/disk_description_files.h"
#include "pipeline/pipeline.h"
#include "pipeline/run_files.h"
#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "platform/platform_error.h"
#include "platform/run_ended.h"
#include "sources/embedded_identity.h"
#include "sources/text_writers.h"

namespace scn {

namespace {

void write_text_files(scenario& s, const run_files& files) {
  dati_linea(s, files);
  dati_treno(s, files);
  dati_note(s, files);
  dati_rallentamenti(s, files);
  dati_scheda(s, files);
}

void run(scenario& s, platform& p, const run_files& files) {
  disk_description_files sources(files.line_description, files.train_description, true);
  finishing_io io;
  io.sources = &sources;
  io.plan_file = files.plan;
  io.item_file = files.items;
  io.cell_file = files.cells;
  io.errore = [&p](const std::string& a) { errore(p, a); };
  io.write_file = replace_file_in_pieces;
  io.write_placed_file = replace_file_placed;
  std::int32_t j = 1;
  memorizza_percorso(s, j, io);
}

}  // namespace

int Form_Load(platform& p) {
  scenario s;
  s.line_name = scenario_line_name;
  s.train_number = scenario_train_number;
  try {
    p.show_wait_window();
    const std::string directory = p.program_directory();
    // Two runs in one directory would write and delete each other's files.
    const auto lock = lock_run_directory(directory, p.path_separator());
    const run_files files =
        make_run_files(directory, p.path_separator(), s.line_name, s.train_number);
    write_text_files(s, files);
    run(s, p, files);
  } catch (const file_error& e) {
    std::fprintf(stderr, "scenario: %s\n", e.what());
    return 1;
  } catch (const platform_error& e) {
    std::fprintf(stderr, "scenario: %s\n", e.what());
    return 1;
  } catch (const run_ended& e) {
    return e.exit_status;
  }
  if (s.status_code != 0) {
    std::fprintf(stderr, "scenario: warning: %s\n",
                 describe_status(s.status_code, s.status_position).c_str());
    return 2;
  }
  return 0;
}

}  // namespace scn
