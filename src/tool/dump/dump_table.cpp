// Rendering of decoded rows, one row at a time.
#include "tool/dump/dump_table.h"

#include <algorithm>
#include <charconv>

namespace scn::tool {

namespace {

std::size_t display_width(const std::string& utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// A CSV cell is quoted when it holds a separator, a quote, a line end or a
// NUL byte; quotes inside are doubled.
bool needs_csv_quotes(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    return c == ',' || c == '"' || c == '\n' || c == '\r' || c == '\0';
  });
}

void append_csv_cell(std::string& out, const dump_field& f) {
  if (!needs_csv_quotes(f.text)) {
    out += f.text;
    return;
  }
  out += '"';
  for (char c : f.text) out += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
  out += '"';
}

template <typename Text, typename IsNumber>
void append_line(std::string& out, std::size_t columns, const std::vector<std::size_t>& widths,
                 Text&& text_of, IsNumber&& is_number) {
  const std::size_t start = out.size();
  for (std::size_t c = 0; c < columns; ++c) {
    const std::string& text = text_of(c);
    // A file that changed between the measuring pass and this one may
    // hold a wider text: it then goes unpadded rather than wrap around.
    const std::size_t width = display_width(text);
    const std::size_t pad = widths[c] > width ? widths[c] - width : 0;
    if (c) out += "  ";
    if (is_number(c)) out.append(pad, ' ');
    out += text;
    if (!is_number(c)) out.append(pad, ' ');
  }
  while (out.size() > start && out.back() == ' ') out.pop_back();
  out += '\n';
}

}  // namespace

char* write_shortest_number(char* to, double v) {
  return std::to_chars(to, to + shortest_number_size, v, std::chars_format::general).ptr;
}

std::string shortest_number(double v) {
  char buf[shortest_number_size];
  return std::string(buf, write_shortest_number(buf, v));
}

std::vector<std::size_t> text_widths(const dump_layout& layout) {
  std::vector<std::size_t> widths(layout.columns.size());
  for (std::size_t c = 0; c < widths.size(); ++c) widths[c] = layout.columns[c].size();
  return widths;
}

void widen_text(std::vector<std::size_t>& widths, const dump_row& row) {
  for (std::size_t c = 0; c < row.size(); ++c) {
    widths[c] = std::max(widths[c], display_width(row[c].text));
  }
}

void append_text_header(std::string& out, const dump_layout& layout,
                        const std::vector<std::size_t>& widths) {
  append_line(
      out, layout.columns.size(), widths,
      [&](std::size_t c) -> const std::string& { return layout.columns[c]; },
      [](std::size_t) { return false; });
}

void append_text_row(std::string& out, const dump_row& row,
                     const std::vector<std::size_t>& widths) {
  append_line(
      out, row.size(), widths, [&](std::size_t c) -> const std::string& { return row[c].text; },
      [&](std::size_t c) { return row[c].kind == dump_field::type::number; });
}

void append_csv_header(std::string& out, const dump_layout& layout) {
  for (std::size_t c = 0; c < layout.columns.size(); ++c) {
    if (c) out += ',';
    out += layout.columns[c];
  }
  out += '\n';
}

void append_csv_row(std::string& out, const dump_row& row) {
  for (std::size_t c = 0; c < row.size(); ++c) {
    if (c) out += ',';
    append_csv_cell(out, row[c]);
  }
  out += '\n';
}

}  // namespace scn::tool
