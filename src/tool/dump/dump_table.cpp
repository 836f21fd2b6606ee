// Rendering of decoded rows, one row at a time.
#include "tool/dump/dump_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "tool/text/json_text.h"

namespace scn::tool {

namespace {

std::size_t display_width(const std::string& utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void append_csv_cell(std::string& out, const dump_field& f) {
  if (f.text.find_first_of(",\"\n\r") == std::string::npos &&
      f.text.find('\0') == std::string::npos) {
    out += f.text;
    return;
  }
  out += '"';
  for (char c : f.text) out += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
  out += '"';
}

// A numeric field as a JSON number; infinities and NaN have no JSON form
// and become null.
nlohmann::ordered_json json_number(const std::string& text) {
  long long whole = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), whole);
  if (ec == std::errc() && end == text.data() + text.size()) return whole;
  const double real = std::strtod(text.c_str(), nullptr);
  return std::isfinite(real) ? nlohmann::ordered_json(real) : nlohmann::ordered_json();
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

std::string shortest_number(double v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general);
  return std::string(buf, r.ptr);
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

// The frame is fixed text; every value in it is written by the JSON
// library. One object per row on a line of its own, so that rows go out
// as they are decoded.
void append_json_begin(std::string& out, const dump_layout& layout) {
  out += "{\"file\": " + nlohmann::ordered_json(layout.file_kind).dump() + ", \"rows\": [";
}

void append_json_row(std::string& out, const dump_layout& layout, const dump_row& row, bool first) {
  nlohmann::ordered_json object = nlohmann::ordered_json::object();
  for (std::size_t c = 0; c < layout.columns.size(); ++c) {
    const auto& f = row[c];
    auto& value = object[layout.columns[c]];
    if (f.kind == dump_field::type::number) value = json_number(f.text);
    // Texts are already UTF-8 here.
    if (f.kind == dump_field::type::string) value = f.text;
  }
  out += first ? "\n  " : ",\n  ";
  out += json_line(object);
  out.pop_back();  // the row's line end; the separator or the end follows
}

void append_json_end(std::string& out) {
  out += "\n]}\n";
}

}  // namespace scn::tool
