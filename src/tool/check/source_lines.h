// The lines of a description file, for quoting a line under a message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scn::tool {

// A description file's bytes with the start of every line found once, so
// that quoting any line costs no more than the line itself.
class source_text {
 public:
  explicit source_text(std::string_view bytes);
  std::string_view bytes() const { return bytes_; }
  std::int32_t line_count() const { return static_cast<std::int32_t>(lines_.size()); }
  // Line `number` counted from 1, without its line end; empty when absent.
  std::string_view line(std::int32_t number) const;

 private:
  std::string_view bytes_;
  std::vector<std::string_view> lines_;
};

// Splits at CR LF, a bare LF or a lone CR, as the field reader does.
std::vector<std::string_view> split_lines(std::string_view bytes);

// Bytes of a description as a message shows them: Windows-1252 turned
// into UTF-8, control bytes (tabs aside) written as \xNN.
std::string shown_text(std::string_view bytes);

// A source line with a caret under a 1-based column, as printed under a
// message: control bytes escaped, and a line longer than `width` shown as
// the part around the column between "...". Two lines, each indented and
// ending in a line end.
std::string quoted_with_caret(std::string_view line, int column, std::size_t width = 120);

// The line as it is shown under a message, and the caret line that points
// at a 1-based column of it (tabs kept so the caret lines up).
std::string quoted_line(std::string_view line);
std::string caret_line(std::string_view line, int column);

}  // namespace scn::tool
