// Reading keyword fields: the end-of-file tests around each keyword, the
// dash rule, and the search for the "[generale]" section.
#pragma once

#include <optional>
#include <string_view>

#include "compiler/field_reader.h"

namespace scn {

// How many dash fields in a row the reader discards before it tests one as
// a keyword: ten in the general part of the line description, two elsewhere.
inline constexpr int general_part_dashes = 10;
inline constexpr int body_dashes = 2;

// Reads the next keyword field. A field containing "-" is discarded and the
// next one read in its place, at most `max_dashes` times in a row. The end of
// the file is tested before the first read and after every read: nothing is
// returned when the file is exhausted, and a keyword whose reading reached
// the end of the file is not returned either.
std::optional<std::string_view> read_keyword(field_reader& in, int max_dashes);

// Reads fields until one contains "[generale]" (any case). False when the end
// of the file comes first, or right after that field.
bool find_generale(field_reader& in);

}  // namespace scn
