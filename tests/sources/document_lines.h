// Test helpers that fill a driver document's table and read its lines back.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "sources/text_lines.h"

namespace scn::test {

using document_filler = void (*)(text_lines&);

// The lines a writer would put in the file: everything before the first
// entry equal to the end marker. A table without a marker yields all slots.
inline std::vector<std::string> document_lines(document_filler fill) {
  auto table = std::make_unique<text_lines>();
  fill(*table);
  std::vector<std::string> lines;
  for (const std::string& line : *table) {
    if (line == end_marker) break;
    lines.push_back(line);
  }
  return lines;
}

// Columns of every occurrence of ch in text.
inline std::vector<std::size_t> columns_of(const std::string& text, char ch) {
  std::vector<std::size_t> columns;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ch) columns.push_back(i);
  }
  return columns;
}

// Number of blanks at the end of text.
inline std::size_t trailing_blanks(const std::string& text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string::npos ? text.size() : text.size() - last - 1;
}

}  // namespace scn::test
