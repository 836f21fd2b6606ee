// The finishing procedure: prepare the model, compile, complete, stamp and
// write the three binary files.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "compiler/compile_trace.h"
#include "compiler/description_files.h"
#include "model/scenario.h"
#include "platform/byte_pieces.h"

namespace scn {

struct finishing_io {
  description_files* sources = nullptr;
  std::string plan_file;
  std::string item_file;
  std::string cell_file;
  // The fatal report: shows " Errore n. " and the number, then ends the run
  // (it must not return).
  std::function<void(const std::string&)> errore;
  // Writes one binary file from its pieces, handed out in file order; the
  // run replaces files on disk. The pieces can be produced only during the
  // call.
  std::function<void(const std::string&, const byte_pieces&)> write_file;
  // Optional: writes one binary file from pieces placed at their offsets,
  // replacing it the same way. When set, the plan file goes through it, so
  // that its two coordinate blocks are written side by side from one walk.
  std::function<void(const std::string&, const placed_pieces&)> write_placed_file;
  // Optional observer of what the compiler reads (the authoring tool's check).
  compile_observer* trace = nullptr;
};

void memorizza_percorso(scenario& s, std::int32_t j, const finishing_io& io);

// The steps after compilation, on a model with cells: the signal marker pass,
// the stamping of the format markers and check codes, then the output step.
// When a stamping slot is taken the fatal report ends the run and no file is
// written.
void finish_model(scenario& s, const finishing_io& io);

// The output step alone: plan file (when the switch is on), item file, cell file.
void write_binary_files(const scenario& s, const finishing_io& io);

}  // namespace scn
