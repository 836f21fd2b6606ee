// What occupies a cell that a placement found taken, and which record put
// it there: the context of a clash finding.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "tool/check/check_findings.h"

namespace scn::tool {

// The cell a clash status refers to, for a record refused with `code`;
// none for a status that is not a clash.
std::optional<std::int64_t> clashing_cell(std::int32_t code, const traced_record& refused,
                                          const scenario& s);

// For every cell, the first record that claimed it, found in one pass over
// the trace. Records in `left_out` were refused and placed nothing.
class cell_owners {
 public:
  cell_owners(const compile_trace& t, const std::set<std::size_t>& left_out);
  // The first record before `before` that claimed `cell`.
  std::optional<std::size_t> owner(std::int64_t cell, std::size_t before) const;

 private:
  std::map<std::int64_t, std::size_t> first_;
};

// The occupant of `cell` in words ("a text board") and, when a record
// before `refused` claimed the cell, that record.
struct cell_occupant {
  std::string what;
  const traced_record* by = nullptr;
};
cell_occupant occupant_of(const compile_outcome& c, const cell_owners& owners, std::int64_t cell,
                          std::size_t refused);

}  // namespace scn::tool
