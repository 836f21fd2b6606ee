// Formatting: the records of a run of lines of one kind aligned in columns,
// numbers right-aligned, as the embedded descriptions are written. Only the
// blanks around fields change: every field reads as before. Lines with
// values missing or past the record's end, comments and sections stay.
#include <algorithm>

#include "tool/lsp/features.h"
#include "tool/lsp/record_lines.h"

namespace scn::tool::lsp {

namespace {

bool alignable(const record_line& line) {
  return line.kind == line_kind::record && line.record != nullptr && !line.incomplete &&
         !line.extra && line.values.size() == line.record->fields.size();
}

std::string padded(std::string_view text, std::size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + std::string(text);
}

std::string aligned(const record_line& line, std::size_t keyword_width,
                    const std::vector<std::size_t>& widths) {
  std::string out = std::string(line.keyword.text) + ",";
  out += std::string(keyword_width - line.keyword.text.size(), ' ');
  for (std::size_t i = 0; i < line.values.size(); ++i) {
    if (i > 0) out += ",";
    if (is_text(line.record->fields[i])) {
      // A text runs to the end of its field, blanks after it included.
      const std::size_t end = line.text.find(',', line.values[i].begin);
      out += " " +
             std::string(line.text.substr(line.values[i].begin, end == std::string_view::npos
                                                                    ? std::string_view::npos
                                                                    : end - line.values[i].begin));
    } else {
      out += " " + padded(line.values[i].text, widths[i]);
    }
  }
  return out;
}

void align_run(const std::vector<const record_line*>& run, json& edits) {
  std::size_t keyword_width = 0;
  std::vector<std::size_t> widths(run.front()->values.size(), 0);
  for (const record_line* line : run) {
    keyword_width = std::max(keyword_width, line->keyword.text.size());
    for (std::size_t i = 0; i < widths.size(); ++i)
      widths[i] = std::max(widths[i], line->values[i].text.size());
  }
  for (const record_line* line : run) {
    const std::string text = aligned(*line, keyword_width, widths);
    if (text == line->text) continue;
    edits.push_back(
        {{"range", range_json(line->text, line->number, 0, line->text.size())}, {"newText", text}});
  }
}

}  // namespace

json formatting(const document_view& doc) {
  const auto scanned = scan_document(doc.text, doc.line_description);
  json edits = json::array();
  std::vector<const record_line*> run;
  for (const auto& line : scanned.lines) {
    const bool same = !run.empty() && alignable(line) && line.record == run.front()->record;
    if (!same && !run.empty()) {
      align_run(run, edits);
      run.clear();
    }
    if (alignable(line)) run.push_back(&line);
  }
  if (!run.empty()) align_run(run, edits);
  return edits;
}

}  // namespace scn::tool::lsp
