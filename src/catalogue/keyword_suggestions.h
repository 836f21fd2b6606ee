// Nearest keywords to a field that matched no record: the "did you mean"
// of diagnostics and the language server.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/record_catalogue.h"

namespace scn {

struct keyword_suggestion {
  record_kind kind;
  std::size_t distance;  // edits between the field and the nearest spelling or test word
};

// Edits (insertion, deletion, substitution, swap of two neighbours) that
// turn `a` into `b`, ASCII letters compared without case.
std::size_t edit_distance(std::string_view a, std::string_view b);

// The records of `part` whose spelling or one of whose test words lies
// within `max_distance` edits of `field` (blanks around it ignored),
// nearest first, ties in dispatch order.
std::vector<keyword_suggestion> nearest_keywords(reading_part part, std::string_view field,
                                                 std::size_t max_distance);

// The keyword a field that matched no record of `part` was meant to be:
// the nearest record within three edits, and its keyword written as the
// field should read. A curve keeps the turn letter and class digit the
// field gives (right and class 4 where it gives none that is valid); any
// other record keeps the digits the field ends with.
struct meant_keyword {
  record_kind kind;
  std::string text;
};
std::optional<meant_keyword> keyword_meant(reading_part part, std::string_view field);

}  // namespace scn
