// Rows of a decoded binary file, printed as aligned text or CSV as they
// come: the text form takes the column widths from a first pass. (The JSON
// form is in json_rows.h.)
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace scn::tool {

struct dump_field {
  std::string text;  // UTF-8 for display
  enum class type { number, string, null } kind = type::number;
};

using dump_row = std::vector<dump_field>;
using row_sink = std::function<void(const dump_row&)>;

struct dump_layout {
  std::string file_kind;  // "cells", "items" or "plan"
  std::vector<std::string> columns;
};

// A number in its shortest form that reads back to the same double
// (integers without a point, "inf", "-inf" or "nan" for the values that are
// not finite): written to `to`, which has room for shortest_number_size
// characters, returning the end of the text; or as a string.
inline constexpr std::size_t shortest_number_size = 32;
char* write_shortest_number(char* to, double v);
std::string shortest_number(double v);

// Aligned text: widths start at the column names and grow with each row
// measured; then the header and the rows, each line without trailing blanks.
std::vector<std::size_t> text_widths(const dump_layout& layout);
void widen_text(std::vector<std::size_t>& widths, const dump_row& row);
void append_text_header(std::string& out, const dump_layout& layout,
                        const std::vector<std::size_t>& widths);
void append_text_row(std::string& out, const dump_row& row, const std::vector<std::size_t>& widths);

// CSV: a header of the column names, one line per row.
void append_csv_header(std::string& out, const dump_layout& layout);
void append_csv_row(std::string& out, const dump_row& row);

}  // namespace scn::tool
