// Rows of a decoded binary file as one JSON document, written as they come:
// {"file": KIND, "rows": [ one object per row, each on a line of its own ]}.
#pragma once

#include <string>
#include <vector>

#include "tool/dump/dump_table.h"

namespace scn::tool {

// The keys are escaped once, for the layout; each row is then appended
// from its fields' texts. A number field goes out as its text when that is
// a JSON number, as null otherwise (infinities and NaN have no JSON form);
// a null field as null; a string field escaped.
class json_rows {
 public:
  explicit json_rows(const dump_layout& layout);

  void append_begin(std::string& out) const;
  void append_row(std::string& out, const dump_row& row);
  void append_end(std::string& out) const;

 private:
  std::string begin_;              // the frame up to the first row
  std::vector<std::string> keys_;  // "NAME": for each column
  bool first_ = true;
};

}  // namespace scn::tool
