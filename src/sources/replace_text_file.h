// The steps every text writer follows to write its table of lines.
#pragma once

#include <cstdint>
#include <string>

#include "sources/text_lines.h"

namespace scn {

// The file's bytes: each line before the end marker followed by CR LF.
// `end_index` receives the index of the end marker.
std::string text_file_bytes(const text_lines& lines, std::int32_t& end_index);

// Replaces the file with the lines before the end marker, CR LF after each,
// bytes as stored. `loop_index` ends holding the index of the end marker.
void replace_text_file(const std::string& name, const text_lines& lines, std::int32_t& loop_index);

}  // namespace scn
