// Quoting source lines with a caret under a column.
#include "tool/check/source_lines.h"

#include "tool/text/json_text.h"

namespace scn::tool {

std::vector<std::string_view> split_lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.push_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

std::string quoted_line(std::string_view line) {
  return "    " + cp1252_to_utf8(line);
}

std::string caret_line(std::string_view line, int column) {
  std::string out = "    ";
  for (int i = 0; i + 1 < column && static_cast<std::size_t>(i) < line.size(); ++i) {
    out += line[static_cast<std::size_t>(i)] == '\t' ? '\t' : ' ';
  }
  return out + "^";
}

}  // namespace scn::tool
