// File naming: plain concatenation, identity used exactly as stored.
#include "pipeline/run_files.h"

namespace scn {

run_files make_run_files(const std::string& directory, char separator, const std::string& line_name,
                         const std::string& train_number) {
  const std::string line = directory + separator + line_name;
  const std::string train = line + "_" + train_number;
  run_files f;
  f.line_description = line + "_linea.txt";
  f.train_description = train + "-.txt";
  f.notes = train + "_note.txt";
  f.slowdown_order = train + "_rallentamenti.txt";
  f.timetable_card = train + "_scheda_treno.txt";
  f.plan = line + "_linea.dat";
  f.items = train + ".sim";
  f.cells = train + ".dat";
  return f;
}

}  // namespace scn
