// Signature help: the record's fields, with the one under the cursor.
#include "tool/lsp/features.h"
#include "tool/lsp/record_lines.h"

namespace scn::tool::lsp {

namespace {

// The value index the cursor is at: the value it touches, or the next one
// once it is past a value.
std::size_t active_value(const record_line& line, std::size_t column) {
  std::size_t active = 0;
  for (std::size_t i = 0; i < line.values.size(); ++i) {
    if (column >= line.values[i].begin && column <= line.values[i].end) return i;
    if (column > line.values[i].end) active = i + 1;
  }
  return active;
}

}  // namespace

json signature_help(const document_view& doc, const text_point& at) {
  const auto line = scan_line_at(doc.text, doc.line_description, at.line);
  if (!line || line->kind != line_kind::record || line->record == nullptr) return nullptr;
  const std::size_t column = byte_column(line->text, at.utf16);
  if (column <= line->keyword.end) return nullptr;
  const record_info& r = *line->record;
  json parameters = json::array();
  std::size_t offset = r.spelling.size();
  for (const auto& f : r.fields) {
    offset += 2;  // ", "
    std::string doc_text = std::string(f.meaning);
    if (!f.unit.empty()) doc_text += " (" + std::string(f.unit) + ")";
    parameters.push_back(
        {{"label", {offset, offset + f.name.size()}}, {"documentation", doc_text}});
    offset += f.name.size();
  }
  std::size_t active = active_value(*line, column);
  if (active >= r.fields.size()) active = r.fields.size() - 1;
  json signature = {{"label", signature_of(r)},
                    {"documentation", std::string(r.meaning)},
                    {"parameters", parameters},
                    {"activeParameter", active}};
  return {{"signatures", json::array({signature})},
          {"activeSignature", 0},
          {"activeParameter", active}};
}

}  // namespace scn::tool::lsp
