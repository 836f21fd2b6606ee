// What occupies a cell that a placement found taken, and which record put
// it there: the context of a clash finding.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "tool/check_findings.h"

namespace scn::tool {

// The cell a clash status refers to, for a record refused with `code`;
// none for a status that is not a clash.
std::optional<std::int64_t> clashing_cell(std::int32_t code, const traced_record& refused,
                                          const scenario& s);

// The occupant of `cell` in words ("a text board") and, when a record
// before `refused` claimed the cell, that record. Records in `left_out`
// were refused and placed nothing.
struct cell_occupant {
  std::string what;
  const traced_record* by = nullptr;
};
cell_occupant occupant_of(const compile_outcome& c, std::int64_t cell, std::size_t refused,
                          const std::set<std::size_t>& left_out);

}  // namespace scn::tool
