// The train half of the compiler: the record loop, the deletion of the
// file, the profile tails and the check of the kilometric references.
#include "compiler/train_compiler.h"

#include "catalogue/keyword_dispatch.h"
#include "catalogue/record_catalogue.h"
#include "compiler/analysis_mode.h"
#include "compiler/compile_status.h"
#include "compiler/input_failure.h"
#include "compiler/keyword_field.h"
#include "compiler/train_reading.h"

namespace scn {

namespace {

void read_clock(train_reading& r) {
  auto& train = r.s.items[train_row];
  train.word_c = r.in.read_integer();
  train.word_d = r.in.read_integer();
  train.word_e = r.in.read_integer();
}

// Reads the values of one train record.
after_record read_train_record(train_reading& r, record_kind kind) {
  switch (kind) {
    case record_kind::braked_mass:
      r.s.items[run_row].start = r.in.read_long();
      break;
    case record_kind::vehicles:
      r.s.items[run_row].position = r.in.read_long();
      break;
    case record_kind::speed:
      return speed_record(r);
    case record_kind::adhesion:
      return adhesion_record(r);
    case record_kind::clock:
      read_clock(r);
      break;
    case record_kind::sand:
      r.s.items[train_row].word_a = r.in.read_integer();
      break;
    case record_kind::signal:
      return signal_record(r);
    case record_kind::slowdown:
      return slowdown_record(r);
    case record_kind::reduction_mark:
      return reduction_mark_record(r);
    case record_kind::station:
      return station_record(r);
    default:
      break;
  }
  return after_record::next;
}

// Every test that matches reads its own values, in the order of the format.
after_record train_record(train_reading& r, std::span<const record_spec* const> matching) {
  for (const record_spec* record : matching) {
    const record_kind kind = record->kind;
    r.in.mark_record(kind);
    const auto next = read_or_leave_out(r.in, kind, [&] { return read_train_record(r, kind); });
    if (!next) return after_record::next;
    if (*next != after_record::next && !leave_out_refused(r.s, r.in, kind)) return *next;
  }
  return after_record::next;
}

after_record read_records(train_reading& r) {
  find_generale(r.in);
  keyword_dispatch dispatch(reading_part::train);
  while (const auto keyword = read_keyword(r.in, body_dashes)) {
    const auto next = train_record(r, dispatch.matching(*keyword));
    if (next != after_record::next) return next;
  }
  return after_record::end_reading;
}

// The first and second values of every kilometric reference are multiples of 50.
void check_references(scenario& s) {
  for (int row = km_reference_tre_row; row <= km_reference_uno_row; ++row) {
    if (s.items[row].start % 50 != 0 || s.items[row].end % 50 != 0) refuse(s, status_bad_reference);
  }
}

}  // namespace

void compile_train(scenario& s, description_files& files, std::int32_t next_board_row,
                   compile_observer* trace) {
  if (trace != nullptr) trace->begin(description::train);
  const auto bytes = files.read(description::train);
  if (!bytes) throw input_failure(files.name(description::train) + " does not exist");
  field_reader in(*bytes);
  in.set_observer(trace);
  train_reading r(s, in, next_board_row);
  const after_record outcome = read_records(r);
  if (trace != nullptr) trace->end_half(description::train, s.status_code, s.status_position);
  files.remove(description::train);
  if (outcome == after_record::stop) return;
  finish_profiles(r);
  check_references(s);
}

}  // namespace scn
