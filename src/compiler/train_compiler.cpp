// The train half of the compiler: the record loop, the deletion of the
// file, the profile tails and the check of the kilometric references.
#include "compiler/train_compiler.h"

#include "compiler/compile_status.h"
#include "compiler/input_failure.h"
#include "compiler/keyword_field.h"
#include "compiler/keyword_tests.h"
#include "compiler/train_reading.h"

namespace scn {

namespace {

void read_general_data(train_reading& r, std::string_view k) {
  if (contains_nocase(k, "frenata") && contains_nocase(k, "massa"))
    r.s.items[run_row].start = r.in.read_long();
  if (contains_nocase(k, "vetture")) r.s.items[run_row].position = r.in.read_long();
}

void read_clock_and_sand(train_reading& r, std::string_view k) {
  auto& train = r.s.items[train_row];
  if (contains_nocase(k, "orologio")) {
    train.word_c = r.in.read_integer();
    train.word_d = r.in.read_integer();
    train.word_e = r.in.read_integer();
  }
  if (contains_nocase(k, "sabbia")) train.word_a = r.in.read_integer();
}

// Every test that matches reads its own values, in the order of the format.
after_record train_record(train_reading& r, std::string_view k) {
  using reader = after_record (*)(train_reading&);
  read_general_data(r, k);
  const struct {
    const char* word;
    reader read;
  } profiles[] = {{"velocit", speed_record}, {"aderenza", adhesion_record}};
  for (const auto& p : profiles) {
    if (!contains_nocase(k, p.word)) continue;
    if (const auto next = p.read(r); next != after_record::next) return next;
  }
  read_clock_and_sand(r, k);
  const struct {
    const char* word;
    reader read;
  } objects[] = {{"segnale", signal_record},
                 {"rallentamento", slowdown_record},
                 {"abbattimento", reduction_mark_record},
                 {"stazione", station_record}};
  for (const auto& o : objects) {
    if (!contains_nocase(k, o.word)) continue;
    if (const auto next = o.read(r); next != after_record::next) return next;
  }
  return after_record::next;
}

after_record read_records(train_reading& r) {
  find_generale(r.in);
  while (const auto keyword = read_keyword(r.in, body_dashes)) {
    if (const auto next = train_record(r, *keyword); next != after_record::next) return next;
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
                   compile_trace* trace) {
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
