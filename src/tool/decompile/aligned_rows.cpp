// Record lines in aligned columns.
#include "tool/decompile/aligned_rows.h"

#include <algorithm>

namespace scn::tool::decompile {

void aligned_rows::add(std::string_view keyword, std::vector<long long> values) {
  row r;
  r.keyword = std::string(keyword);
  for (const long long v : values) r.values.push_back(std::to_string(v));
  rows_.push_back(std::move(r));
}

void aligned_rows::add_with_text(std::string_view keyword, std::vector<long long> values,
                                 std::string text) {
  add(keyword, std::move(values));
  rows_.back().text = std::move(text);
  rows_.back().has_text = true;
}

void aligned_rows::write(std::string& out) const {
  std::vector<std::size_t> widths;
  for (const auto& r : rows_) {
    if (widths.size() < r.values.size()) widths.resize(r.values.size(), 0);
    for (std::size_t i = 0; i < r.values.size(); ++i)
      widths[i] = std::max(widths[i], r.values[i].size());
  }
  for (const auto& r : rows_) {
    std::string line(r.keyword);
    line += ',';
    for (std::size_t i = 0; i < r.values.size(); ++i) {
      // Two blanks before the first value, one after each comma, then the
      // padding that right-aligns the column.
      line += i == 0 ? "  " : " ";
      line.append(widths[i] - r.values[i].size(), ' ');
      line += r.values[i];
      if (i + 1 < r.values.size() || r.has_text) line += ',';
    }
    if (r.has_text) {
      line += ' ';
      line += r.text;
    }
    put_line(out, line);
  }
}

void put_line(std::string& out, std::string_view line) {
  out += line;
  out += "\r\n";
}

}  // namespace scn::tool::decompile
