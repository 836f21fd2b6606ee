// Record lines laid out in aligned columns, the way the embedded tables are:
// the keyword and a comma, then every value right-aligned in its column.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scn::tool::decompile {

class aligned_rows {
 public:
  // One record: its numbers, and optionally a text written last, after a
  // single blank (a board text or a station name).
  void add(std::string_view keyword, std::vector<long long> values);
  void add_with_text(std::string_view keyword, std::vector<long long> values, std::string text);

  // The records, each followed by CR LF.
  void write(std::string& out) const;

 private:
  struct row {
    std::string keyword;
    std::vector<std::string> values;
    std::string text;
    bool has_text = false;
  };
  std::vector<row> rows_;
};

// Appends a line and its CR LF.
void put_line(std::string& out, std::string_view line);

}  // namespace scn::tool::decompile
