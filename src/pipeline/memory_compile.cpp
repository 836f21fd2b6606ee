// Compiling in memory.
#include "pipeline/memory_compile.h"

#include "compiler/description_files.h"
#include "pipeline/pipeline.h"

namespace scn {

void compile_in_memory(memory_compile& out, const std::string& line_name,
                       const std::string& train_number, std::optional<std::string> line,
                       std::optional<std::string> train, const memory_compile_options& options) {
  out.s.line_name = line_name;
  out.s.train_number = train_number;
  memory_description_files sources(std::move(line), std::move(train));
  finishing_io io;
  io.sources = &sources;
  io.trace = options.trace;
  io.plan_file = "plan";
  io.item_file = "items";
  io.cell_file = "cells";
  // The fatal report returns here; the stamping then writes nothing.
  io.errore = [&out](const std::string& number) { out.fatal_error = number; };
  io.write_file = [&out, keep = options.keep_files](const std::string& name,
                                                    const byte_pieces& pieces) {
    if (!keep) return;
    std::string bytes = gather_pieces(pieces);
    if (name == "plan")
      out.files.plan = std::move(bytes);
    else if (name == "items")
      out.files.items = std::move(bytes);
    else
      out.files.cells = std::move(bytes);
  };
  memorizza_percorso(out.s, options.with_plan ? 1 : 0, io);
}

}  // namespace scn
