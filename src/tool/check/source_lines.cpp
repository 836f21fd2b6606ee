// Quoting source lines with a caret under a column.
#include "tool/check/source_lines.h"

#include "tool/text/json_text.h"

#include <algorithm>

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

source_text::source_text(std::string_view bytes) : bytes_(bytes), lines_(split_lines(bytes)) {}

std::string_view source_text::line(std::int32_t number) const {
  if (number < 1 || number > line_count()) return {};
  return lines_[static_cast<std::size_t>(number - 1)];
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

namespace scn::tool {

namespace {

bool is_control(unsigned char b) {
  return (b < 0x20 && b != '\t') || b == 0x7F;
}

// One byte as shown, and how many columns it takes.
std::string shown_byte(unsigned char b) {
  if (!is_control(b)) return cp1252_to_utf8(std::string_view(reinterpret_cast<const char*>(&b), 1));
  static constexpr char hex[] = "0123456789ABCDEF";
  return std::string("\\x") + hex[b >> 4] + hex[b & 0x0F];
}

}  // namespace

std::string shown_text(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const unsigned char b : bytes) {
    if (b < 0x80 && !is_control(b)) {
      out += static_cast<char>(b);
    } else {
      out += shown_byte(b);
    }
  }
  return out;
}

std::string quoted_with_caret(std::string_view line, int column, std::size_t width) {
  std::size_t at = column > 0 ? static_cast<std::size_t>(column - 1) : 0;
  if (at > line.size()) at = line.size();
  std::string text = "    ", caret = "    ";
  std::size_t from = 0, to = line.size();
  if (line.size() > width) {
    from = at > width / 2 ? at - width / 2 : 0;
    to = std::min(line.size(), from + width);
    if (from > 0) text += "...", caret += "   ";
  }
  for (std::size_t i = from; i < to; ++i) {
    const unsigned char b = static_cast<unsigned char>(line[i]);
    const std::string shown =
        b < 0x80 && !is_control(b) ? std::string(1, static_cast<char>(b)) : shown_byte(b);
    text += shown;
    if (i < at) caret += b == '\t' ? std::string("\t") : std::string(is_control(b) ? 4 : 1, ' ');
  }
  if (to < line.size()) text += "...";
  return text + "\n" + caret + "^\n";
}

}  // namespace scn::tool
