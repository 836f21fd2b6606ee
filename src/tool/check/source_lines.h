// The lines of a description file, for quoting a line under a message.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scn::tool {

// Splits at CR LF, a bare LF or a lone CR, as the field reader does.
std::vector<std::string_view> split_lines(std::string_view bytes);

// The line as it is shown under a message, and the caret line that points
// at a 1-based column of it (tabs kept so the caret lines up).
std::string quoted_line(std::string_view line);
std::string caret_line(std::string_view line, int column);

}  // namespace scn::tool
