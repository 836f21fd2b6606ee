// The scenario's train description as constant text lines, ready for its writer.
#pragma once

#include <cstddef>

#include "sources/text_lines.h"

namespace scn {

// Lines of the train description file, "[generale]" to "[fine]".
inline constexpr std::size_t train_description_line_count = 119;

// Puts the file's lines into slots 0 to 118 and the end marker into slot 119;
// later slots are left as they are.
void fill_train_description(text_lines& lines);

}  // namespace scn
