// Analysis mode of the compiler: with an observer that asks for it, a
// refused or unreadable record is reported, left out, and reading goes on,
// so one pass meets every fault of both files. Outside analysis mode these
// helpers change nothing and the compiler stops as it always does.
#pragma once

#include <cstdint>
#include <optional>

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

// After a record set a status: in analysis mode reports it, clears the
// register and returns true (read on); otherwise false.
inline bool leave_out_refused(scenario& s, field_reader& in) {
  if (!in.recovering() || s.status_code == 0 || status_ends_analysis(s.status_code)) return false;
  in.report_status(s.status_code, s.status_position);
  s.status_code = 0;
  s.status_position = 0;
  return true;
}

// Reads one record with `read`; in analysis mode an input failure is
// reported and the record left out: nothing is returned then.
template <class Read>
auto read_or_leave_out(field_reader& in, Read&& read) -> std::optional<decltype(read())> {
  try {
    return read();
  } catch (const input_failure& failure) {
    if (!in.recover_from(failure)) throw;
    return std::nullopt;
  }
}

}  // namespace scn
