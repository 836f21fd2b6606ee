// Analysis mode of the compiler: with an observer that asks for it, a
// refused or unreadable record is reported, left out, and reading goes on,
// so one pass meets every fault of both files. Outside analysis mode these
// helpers change nothing and the compiler stops as it always does.
#pragma once

#include <cstdint>
#include <optional>

#include "catalogue/record_catalogue.h"
#include "catalogue/status_catalogue.h"
#include "compiler/field_reader.h"
#include "model/scenario.h"

namespace scn {

// Statuses after which reading cannot sensibly go on: no line length, no
// start of the description, no file, or no free station row.
inline bool status_ends_analysis(std::int32_t code) {
  return code == status_line_too_long || code == status_station_rows_full ||
         code == status_no_line_file || code == status_no_generale;
}

// The fields of a left-out record that were not read yet are passed over,
// so that they are not taken for keywords: a numeric field up to a blank,
// a comma or a line end, a text field up to a comma or a line end.
inline void skip_rest_of_record(field_reader& in, record_kind kind) {
  const auto fields = record_of(kind).fields;
  try {
    for (std::size_t i = in.fields_in_record(); i < fields.size() && !in.at_end(); ++i) {
      if (fields[i].type == field_type::text) {
        in.read_text();
      } else {
        in.skip_numeric();
      }
    }
  } catch (const input_failure&) {
    // A text field too long to store: the rest is read as keywords.
  }
}

// After a record of `kind` set a status: in analysis mode reports it,
// clears the register, passes over the record's remaining fields and
// returns true (read on); otherwise false.
inline bool leave_out_refused(scenario& s, field_reader& in, record_kind kind) {
  if (!in.recovering() || s.status_code == 0 || status_ends_analysis(s.status_code)) return false;
  in.report_status(s.status_code, s.status_position);
  s.status_code = 0;
  s.status_position = 0;
  skip_rest_of_record(in, kind);
  return true;
}

// Reads one record of `kind` with `read`; in analysis mode an input failure
// is reported and the record left out: nothing is returned then.
template <class Read>
auto read_or_leave_out(field_reader& in, record_kind kind, Read&& read)
    -> std::optional<decltype(read())> {
  try {
    return read();
  } catch (const input_failure& failure) {
    if (!in.recover_from(failure)) throw;
    if (!in.gave_back()) skip_rest_of_record(in, kind);
    return std::nullopt;
  }
}

}  // namespace scn
