// What each traced record is, told by the compiler's own keyword tests.
#pragma once

#include <cstdint>
#include <optional>

#include "compiler/compile_trace.h"

namespace scn::tool {

enum class record_kind {
  other,
  // line description, general part
  length,
  reference,
  backdrop,
  repetition,
  // line description, body
  gradient,
  curve,
  span,
  speed_post,
  text_board,
  // train description
  braked_mass,
  vehicles,
  speed,
  adhesion,
  clock,
  sand,
  signal,
  slowdown,
  reduction_mark,
  station,
};

struct classified_record {
  const traced_record* record = nullptr;
  record_kind kind = record_kind::other;
};

// Every record of the trace with its kind; records of the line description
// before its first bracketed field are general records, the rest body records.
std::vector<classified_record> classify(const compile_trace& trace);

// Value i of a record as a number, when it is one.
std::optional<std::int64_t> value_of(const traced_record& r, std::size_t i);

}  // namespace scn::tool
