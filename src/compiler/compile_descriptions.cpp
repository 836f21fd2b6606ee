// The compiler and its single failure path.
#include "compiler/compile_descriptions.h"

#include "compiler/compile_status.h"
#include "compiler/input_failure.h"
#include "compiler/line_compiler.h"
#include "compiler/train_compiler.h"

namespace scn {

namespace {

void failure_path(scenario& s, description_files& files) {
  for (const auto which : {description::line, description::train}) {
    if (files.exists(which)) files.remove(which);
  }
  refuse(s, status_input_failure);
}

}  // namespace

void memorizza_dati(scenario& s, description_files& files, compile_observer* trace) {
  try {
    const line_result line = compile_line(s, files, trace);
    if (!line.train_half_follows) return;
    compile_train(s, files, line.next_board_row, trace);
  } catch (const input_failure& f) {
    if (trace != nullptr) trace->failed(f);
    failure_path(s, files);
  }
}

}  // namespace scn
