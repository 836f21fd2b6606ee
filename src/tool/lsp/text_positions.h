// Positions as the protocol counts them (0-based lines, columns in UTF-16
// code units) against byte columns of the document's lines.
#pragma once

#include <cstddef>
#include <string_view>

#include <nlohmann/json.hpp>

namespace scn::tool::lsp {

// The text of line `number` (0-based), without its line end; empty past the end.
std::string_view line_text(std::string_view text, std::size_t number);

// UTF-16 units before byte `byte` of a line; bytes that are not UTF-8 count one each.
std::size_t utf16_column(std::string_view line, std::size_t byte);
// The byte of a line at a UTF-16 column (the line's end when past it).
std::size_t byte_column(std::string_view line, std::size_t utf16);

// {"line": l, "character": c} for byte `byte` of line `number`.
nlohmann::json position_json(std::string_view line, std::size_t number, std::size_t byte);
// The range of bytes [begin, end) on one line.
nlohmann::json range_json(std::string_view line, std::size_t number, std::size_t begin,
                          std::size_t end);

// The line and byte column a protocol position points at, when well formed.
struct text_point {
  std::size_t line = 0;
  std::size_t utf16 = 0;
};
bool read_position(const nlohmann::json& position, text_point& out);

}  // namespace scn::tool::lsp
