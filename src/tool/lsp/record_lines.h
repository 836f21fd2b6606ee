// A description document seen line by line, as an editor shows it: section
// lines, comment lines and record lines, each record with its keyword and
// values at their byte columns. The compiler reads fields, not lines; this
// view serves the features that point into the text (hover, signature help,
// outline, quick fixes), and it never fails on any input.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tool/lsp/record_knowledge.h"

namespace scn::tool::lsp {

// A field of a line: bytes [begin, end) of the line, blanks around it excluded.
struct line_field {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::string_view text;
};

enum class line_kind { blank, comment, section, record };

struct record_line {
  line_kind kind = line_kind::blank;
  std::size_t number = 0;  // 0-based line number
  std::string_view text;   // the whole line, without its line end
  record_part part = record_part::train;
  std::string_view section;             // the section line the line stands under
  const record_info* record = nullptr;  // null: an unrecognised keyword
  line_field keyword;
  std::vector<line_field> values;   // as many as the record takes, or fewer
  std::optional<line_field> extra;  // from the first value past the record's fields
  bool incomplete = false;          // the record's values continue on the next line

  // The field at a byte column: -1 the keyword, 0.. a value, or nothing.
  std::optional<int> field_at(std::size_t column) const;
  std::optional<std::int64_t> number_of(std::size_t value) const;
};

struct line_document {
  bool line_description = false;  // a line description, or else a train description
  std::vector<record_line> lines;
};

// The lines of a document held as `text`, which must outlive the result.
line_document scan_document(std::string_view text, bool line_description);

// One line of a document, scanned in the part and section it stands in.
std::optional<record_line> scan_line_at(std::string_view text, bool line_description,
                                        std::size_t number);

}  // namespace scn::tool::lsp
