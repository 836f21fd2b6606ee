// "sources": the embedded scenario's five text files, not compiled.
#include "pipeline/run_files.h"
#include "sources/embedded_identity.h"
#include "sources/text_writers.h"
#include "tool/cli/commands.h"
#include "tool/cli/options.h"
#include "tool/cli/output_safety.h"

namespace scn::tool {

int command_sources(const std::vector<std::string>& args, platform& p) {
  const auto o = parse_options(args, {{}, {"--out"}, 0, 0});
  scenario s;
  s.line_name = scenario_line_name;
  s.train_number = scenario_train_number;
  const std::string out = o.value_or("--out", ".");
  require_output_named(out);
  const auto files = make_run_files(out, p.path_separator(), s.line_name, s.train_number);
  dati_linea(s, files);
  dati_treno(s, files);
  dati_note(s, files);
  dati_rallentamenti(s, files);
  dati_scheda(s, files);
  return 0;
}

}  // namespace scn::tool
