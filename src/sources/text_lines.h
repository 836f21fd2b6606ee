// The table of lines every text writer fills before it writes its file.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace scn {

// Each writer owns 1001 slots; the lines go in from index 0 and the end
// marker stands directly after the last one. Slots after it are never read.
inline constexpr std::size_t text_lines_size = 1001;
inline constexpr std::string_view end_marker = "riferimento fine del file";

using text_lines = std::array<std::string, text_lines_size>;

}  // namespace scn
