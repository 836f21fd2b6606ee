// The finishing procedure and its output step.
#include "pipeline/pipeline.h"

#include "compiler/compile_descriptions.h"
#include "finishing/check_codes.h"
#include "finishing/marker_pass.h"
#include "formats/cell_file.h"
#include "formats/item_file.h"
#include "formats/plan_file.h"

namespace scn {

// The plan and the cells are encoded chunk by chunk as the file is written;
// the item file is small and goes in one piece.
void write_binary_files(const scenario& s, const finishing_io& io) {
  if (s.output_switch != 0 && s.plan.exists()) {
    if (io.write_placed_file) {
      io.write_placed_file(io.plan_file,
                           [&s](const placed_sink& sink) { write_plan_file_placed(s.plan, sink); });
    } else {
      io.write_file(io.plan_file, [&s](const piece_sink& sink) { write_plan_file(s.plan, sink); });
    }
  }
  io.write_file(io.item_file, [&s](const piece_sink& sink) { sink(encode_item_file(s.items)); });
  io.write_file(io.cell_file,
                [&s](const piece_sink& sink) { write_cell_file(s.track_cells, sink); });
}

void finish_model(scenario& s, const finishing_io& io) {
  signal_marker_pass(s, io.trace);
  if (!stamp_check_codes(s, io.errore)) return;
  write_binary_files(s, io);
}

void memorizza_percorso(scenario& s, std::int32_t j, const finishing_io& io) {
  s.output_switch = j;
  s.status_code = 0;
  reset_item_table(s);
  if (io.sources != nullptr) memorizza_dati(s, *io.sources, io.trace);
  // Without a cell 1 (a line description that never gave a usable length)
  // there is nothing to complete, stamp or write.
  if (!has_cells(s)) return;
  finish_model(s, io);
}

}  // namespace scn
