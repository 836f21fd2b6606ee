// "sources": the embedded scenario's five text files, not compiled, into a
// folder created when missing; existing files are replaced only on request.
#include "pipeline/run_files.h"
#include "sources/embedded_identity.h"
#include "sources/text_writers.h"
#include "tool/cli/commands.h"
#include "tool/cli/input_files.h"
#include "tool/cli/options.h"
#include "tool/cli/output_safety.h"

namespace scn::tool {

int command_sources(const std::vector<std::string>& args, platform& p) {
  const auto o = parse_options(args, "sources");
  scenario s;
  s.line_name = scenario_line_name;
  s.train_number = scenario_train_number;
  const std::string folder = o.value_or("--out", ".");
  require_output_named(folder);
  const auto files = make_run_files(folder, p.path_separator(), s.line_name, s.train_number);
  // Every name is checked before the first file is written, so that a
  // refusal leaves the folder as it was.
  for (const auto* name : {&files.line_description, &files.train_description, &files.notes,
                           &files.slowdown_order, &files.timetable_card}) {
    refuse_existing(*name, o.has("--force"));
  }
  prepare_output_folder(folder);
  dati_linea(s, files);
  dati_treno(s, files);
  dati_note(s, files);
  dati_rallentamenti(s, files);
  dati_scheda(s, files);
  return 0;
}

}  // namespace scn::tool
