// The scenario's line description as constant text lines, ready for its writer.
#pragma once

#include <cstddef>

#include "sources/text_lines.h"

namespace scn {

// Lines of the line description file, "[generale]" to "[fine]".
inline constexpr std::size_t line_description_line_count = 471;

// Puts the file's lines into slots 0 to 470 and the end marker into slot 471;
// later slots are left as they are.
void fill_line_description(text_lines& lines);

}  // namespace scn
