// The finishing procedure over a line and a train description held in
// memory, for the authoring tool: nothing is read from or written to disk,
// the fatal report is kept instead of ending the run, and the bytes of the
// binary files are kept when asked for.
#pragma once

#include <optional>
#include <string>

#include "compiler/compile_trace.h"
#include "model/scenario.h"

namespace scn {

// The three binary files as bytes; the plan file only when one was written.
struct binary_file_bytes {
  std::string cells;
  std::string items;
  std::optional<std::string> plan;
};

struct memory_compile {
  scenario s;
  std::string fatal_error;  // "1250" / "1251" when the stamping refused
  binary_file_bytes files;  // filled only when the options keep them
};

struct memory_compile_options {
  bool with_plan = true;              // the output switch: build the plan and its file
  bool keep_files = false;            // gather the binary files' bytes into `files`
  compile_observer* trace = nullptr;  // what check records; may be null
};

// Compiles the pair under the identity given. A description that is
// nothing is one whose file does not exist.
void compile_in_memory(memory_compile& out, const std::string& line_name,
                       const std::string& train_number, std::optional<std::string> line,
                       std::optional<std::string> train,
                       const memory_compile_options& options = {});

}  // namespace scn
