// Decompiling: decode, recover every record, write both descriptions, and
// compile them again to prove the bytes come back.
#include "tool/decompile/decompiler.h"

#include "formats/cell_file.h"
#include "formats/decode_error.h"
#include "formats/item_file.h"
#include "formats/plan_file.h"
#include "model/cell_kind.h"
#include "model/scenario.h"
#include "tool/decompile/description_writers.h"
#include "tool/decompile/recovery.h"
#include "tool/decompile/reduction_marks.h"

namespace scn::tool::decompile {

namespace {

template <typename Decode>
auto decode_as(const char* which, Decode decode) {
  try {
    return decode();
  } catch (const decode_error& e) {
    throw damaged_file(which, e.offset(), e.what());
  }
}

binary_scenario decode_files(const binary_files& files) {
  binary_scenario in;
  in.cells = decode_as("cell", [&] { return decode_cell_file(files.cells); });
  in.items = decode_as("item", [&] { return decode_item_file(files.items); });
  if (files.plan) in.plan = decode_as("plan", [&] { return decode_plan_file(*files.plan); });
  return in;
}

// Cell 1 carries the format marker and the plain check code, stamped after
// compilation: no record put them there.
void clear_stamps(binary_scenario& in) {
  if (in.cells.size() < 2) return;
  in.cells[1].value1 = 0;
  in.cells[1].value2 = 0;
}

void check_shape(const recovery& r) {
  const std::int32_t length = r.in.items[run_row].end;
  if (length < 0 || length > max_line_length) {
    r.note(row_name(run_row), "line length " + std::to_string(length) + " m out of range");
    return;
  }
  const auto cells = static_cast<std::size_t>(last_cell_for(length) + 1);
  if (cells != r.in.cells.size())
    r.note("cell file", std::to_string(r.in.cells.size()) + " cells where a line of " +
                            std::to_string(length) + " m has " + std::to_string(cells));
  if (!(r.in.items[0] == item_record{})) r.note(row_name(0), "row 0 is never written");
}

void note_unplaceable_kinds(const recovery& r) {
  for (std::size_t i = 0; i < r.in.cells.size(); ++i) {
    const std::uint8_t k = r.in.cells[i].kind;
    if (std::string(cell_kind_name(k)) == "unknown")
      r.note(cell_name(i), "kind " + std::to_string(k) + " is placed by no record");
  }
}

line_description recover_line(const recovery& r, bool with_plan) {
  line_description d;
  d.general = recover_line_general(r);
  if (with_plan) d.curves = recover_curves(r, d.stopped);
  d.gradients = recover_gradients(r);
  d.spans = recover_spans(r);
  d.speed_posts = recover_speed_posts(r);
  d.text_boards = recover_text_boards(r);
  return d;
}

train_description recover_train(const recovery& r, std::size_t boards) {
  train_description t;
  t.general = recover_train_general(r);
  t.adhesion = recover_adhesion_profile(r);
  t.speed = recover_speed_profile(r);
  t.stations = recover_stations(r, boards, t.refused_station);
  t.slowdowns = recover_slowdowns(r);
  t.signals = recover_signals(r);
  t.order = recover_approach_order(r, t);
  return t;
}

void verify(const binary_files& files, decompiled& out) {
  const auto again = compile_descriptions(out.line_name, out.train_number, out.line_text,
                                          out.train_text, files.plan.has_value());
  if (!again.fatal_error.empty()) {
    out.findings.push_back({"cell 1", "the descriptions stop with error " + again.fatal_error +
                                          " when compiled again"});
    return;
  }
  if (const auto where = first_difference(files, again.files))
    out.findings.push_back({*where, "the closest descriptions compile to different bytes here"});
}

}  // namespace

decompiled decompile(const binary_files& files) {
  binary_scenario in = decode_files(files);
  clear_stamps(in);
  decompiled out;
  out.line_name = in.items[line_row].text;
  out.train_number = in.items[train_row].text;
  const recovery r{in, out.findings};
  check_shape(r);
  note_unplaceable_kinds(r);
  const line_description line = recover_line(r, files.plan.has_value());
  train_description train = recover_train(r, line.text_boards.size());
  out.line_text = write_line_description(line);
  recover_reduction_marks(r, out.line_name, out.train_number, out.line_text, train);
  out.train_text = write_train_description(train);
  verify(files, out);
  return out;
}

}  // namespace scn::tool::decompile
