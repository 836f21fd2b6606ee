// Compiling in memory.
#include "tool/cli/memory_compile.h"

#include "pipeline/pipeline.h"

namespace scn::tool {

void compile_in_memory(memory_compile& out, const compile_identity& id,
                       const std::optional<std::string>& line,
                       const std::optional<std::string>& train, compile_trace* trace) {
  out.s.line_name = id.line_name;
  out.s.train_number = id.train_number;
  memory_description_files sources(line, train);
  finishing_io io;
  io.sources = &sources;
  io.trace = trace;
  io.errore = [&out](const std::string& a) { out.fatal_error = a; };
  io.write_file = [](const std::string&, const byte_pieces&) {};
  std::int32_t j = 1;
  memorizza_percorso(out.s, j, io);
}

}  // namespace scn::tool
