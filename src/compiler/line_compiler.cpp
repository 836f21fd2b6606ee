// The line half of the compiler: opening, the three reading stages, the
// deletion of the file and the tails of gradient and plan.
#include "compiler/line_compiler.h"

#include "compiler/compile_status.h"
#include "compiler/input_failure.h"
#include "compiler/keyword_field.h"
#include "compiler/line_placement.h"
#include "compiler/line_reading.h"

namespace scn {

namespace {

// State of the body before its first record.
void begin_body(line_reading& r) {
  r.s.backdrop_count = 0;
  r.next_board_row = first_board_row;
  r.gradient_cursor = 0;
  r.gradient = 0;
  if (r.sized && r.s.output_switch != 0 && r.s.plan.exists()) {
    // Every plan begins with points 0 and 1; a length of -7000 m leaves a
    // plan of point 0 alone.
    if (r.s.plan_length < 1) throw input_failure("line length leaves no plan point 1");
    r.walk.emplace(plan_walk{r.s.plan, std::int64_t{r.s.plan_length} - 2, 2});
    start_plan(*r.walk);
    // A curve record takes eight bytes at the least ("curva,,", line end)
    // and adds at most two stretches: room for all the description can
    // hold, of which only the part used is ever touched.
    r.s.plan.reserve_stretches(r.in.size() / 4 + 1);
  }
}

// Search, general part, body. Returns the status that ended the reading,
// 0 at the end of the file.
std::int32_t read_line_file(line_reading& r) {
  if (!find_generale(r.in)) return refuse(r.s, status_no_generale);
  if (const auto status = read_general_part(r)) return status;
  progressive_ordina(r.s);
  begin_body(r);
  return read_body(r);
}

// Gradient and plan carried on to the end of the model.
void finish_line(line_reading& r) {
  if (!r.sized) throw input_failure("the line description gives no line length");
  spread_gradient(r, std::int64_t{r.s.last_cell} - 2);
  if (r.walk) finish_plan(*r.walk);
}

}  // namespace

line_result compile_line(scenario& s, description_files& files, compile_observer* trace) {
  s.items[line_row].text = s.line_name;
  s.items[train_row].text = s.train_number;
  if (trace != nullptr) trace->begin(description::line);
  if (!files.exists(description::line)) {
    refuse(s, status_no_line_file);
    if (trace != nullptr) trace->end_half(description::line, s.status_code, s.status_position);
    return {};
  }
  const auto bytes = files.read(description::line);
  if (!bytes) throw input_failure("cannot read " + files.name(description::line));
  field_reader in(*bytes);
  if (trace != nullptr) {
    trace->begin(description::line);
    in.set_observer(trace);
  }
  line_reading r(s, in);
  const std::int32_t status = read_line_file(r);
  if (trace != nullptr) trace->end_half(description::line, s.status_code, s.status_position);
  files.remove(description::line);
  if (status != 0 && status != status_beyond_line) return {false, r.next_board_row};
  finish_line(r);
  return {true, r.next_board_row};
}

}  // namespace scn
