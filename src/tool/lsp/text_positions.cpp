// Converting between protocol positions and byte columns.
#include "tool/lsp/text_positions.h"

namespace scn::tool::lsp {

namespace {

// Length of the UTF-8 sequence starting at line[i], or 0 if it is not one.
std::size_t sequence_length(std::string_view line, std::size_t i) {
  const auto c = static_cast<unsigned char>(line[i]);
  const std::size_t n = c < 0x80         ? 1
                        : (c >> 5) == 6  ? 2
                        : (c >> 4) == 14 ? 3
                        : (c >> 3) == 30 ? 4
                                         : 0;
  if (n == 0 || i + n > line.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(line[i + k]) >> 6) != 2) return 0;
  }
  return n;
}

}  // namespace

std::string_view line_text(std::string_view text, std::size_t number) {
  std::size_t begin = 0;
  for (std::size_t n = 0; n < number; ++n) {
    const std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) return {};
    begin = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  std::size_t end = text.find_first_of("\r\n", begin);
  if (end == std::string_view::npos) end = text.size();
  return begin <= text.size() ? text.substr(begin, end - begin) : std::string_view();
}

std::size_t utf16_column(std::string_view line, std::size_t byte) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < byte && i < line.size();) {
    const std::size_t n = sequence_length(line, i);
    units += n == 4 ? 2 : 1;
    i += n == 0 ? 1 : n;
  }
  return units;
}

std::size_t byte_column(std::string_view line, std::size_t utf16) {
  std::size_t units = 0, i = 0;
  while (i < line.size() && units < utf16) {
    const std::size_t n = sequence_length(line, i);
    units += n == 4 ? 2 : 1;
    i += n == 0 ? 1 : n;
  }
  return i;
}

nlohmann::json position_json(std::string_view line, std::size_t number, std::size_t byte) {
  return {{"line", number}, {"character", utf16_column(line, byte)}};
}

nlohmann::json range_json(std::string_view line, std::size_t number, std::size_t begin,
                          std::size_t end) {
  return {{"start", position_json(line, number, begin)}, {"end", position_json(line, number, end)}};
}

bool read_position(const nlohmann::json& position, text_point& out) {
  if (!position.is_object()) return false;
  const auto line = position.find("line");
  const auto character = position.find("character");
  if (line == position.end() || character == position.end()) return false;
  if (!line->is_number_unsigned() || !character->is_number_unsigned()) return false;
  out.line = line->get<std::size_t>();
  out.utf16 = character->get<std::size_t>();
  return true;
}

}  // namespace scn::tool::lsp
