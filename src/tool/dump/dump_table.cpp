// Rendering of decoded binary files.
#include "tool/dump/dump_table.h"

#include <algorithm>

#include "tool/text/json_text.h"

namespace scn::tool {

namespace {

std::size_t display_width(const std::string& utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string csv_cell(const dump_field& f) {
  if (f.text.find_first_of(",\"\n\r") == std::string::npos && f.text == f.text.c_str()) {
    return f.text;
  }
  std::string out = "\"";
  for (char c : f.text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

std::string render_text(const dump_table& t) {
  std::vector<std::size_t> width(t.columns.size());
  for (std::size_t c = 0; c < t.columns.size(); ++c) width[c] = t.columns[c].size();
  for (const auto& row : t.rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      width[c] = std::max(width[c], display_width(row[c].text));
    }
  }
  auto line = [&](auto&& cell_text, auto&& is_number) {
    std::string out;
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
      const std::string text = cell_text(c);
      const std::string pad(width[c] - display_width(text), ' ');
      out += (c ? "  " : "") + (is_number(c) ? pad + text : text + pad);
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out + "\n";
  };
  std::string out =
      line([&](std::size_t c) { return t.columns[c]; }, [](std::size_t) { return false; });
  for (const auto& row : t.rows) {
    out += line([&](std::size_t c) { return row[c].text; },
                [&](std::size_t c) { return row[c].kind == dump_field::type::number; });
  }
  return out;
}

std::string render_csv(const dump_table& t) {
  std::string out;
  for (std::size_t c = 0; c < t.columns.size(); ++c) out += (c ? "," : "") + t.columns[c];
  out += "\n";
  for (const auto& row : t.rows) {
    for (std::size_t c = 0; c < row.size(); ++c) out += (c ? "," : "") + csv_cell(row[c]);
    out += "\n";
  }
  return out;
}

std::string render_json(const dump_table& t) {
  std::string out = "{\"file\": \"" + t.file_kind + "\", \"rows\": [";
  for (std::size_t r = 0; r < t.rows.size(); ++r) {
    out += r ? ",\n  {" : "\n  {";
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
      const auto& f = t.rows[r][c];
      out += (c ? ", \"" : "\"") + t.columns[c] + "\": ";
      if (f.kind == dump_field::type::null) out += "null";
      if (f.kind == dump_field::type::number) out += f.text;
      // Texts are already UTF-8 here; quote them without re-reading the code page.
      if (f.kind == dump_field::type::string) out += json_string_utf8(f.text);
    }
    out += "}";
  }
  return out + "\n]}\n";
}

}  // namespace scn::tool
