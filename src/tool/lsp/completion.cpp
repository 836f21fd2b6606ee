// Completion: the keywords of the section the cursor is in, then the
// other keywords of its part of the description.
#include <algorithm>

#include "tool/lsp/features.h"
#include "tool/lsp/record_lines.h"

namespace scn::tool::lsp {

namespace {

constexpr int keyword_item = 14;  // CompletionItemKind.Keyword
constexpr int snippet_format = 2;

std::string snippet(const record_info& r, const std::string& spelling) {
  std::string out = spelling;
  int n = 1;
  // A curve's class digit is the first placeholder.
  if (r.kind == record_kind::curve) {
    out.insert(out.size() - 1, "${" + std::to_string(n++) + ":");
    out += "}";
  }
  for (const auto& f : r.fields)
    out += ", ${" + std::to_string(n++) + ":" + std::string(f.name) + "}";
  return out;
}

}  // namespace

json completion(const document_view& doc, const text_point& at, bool snippets) {
  json items = json::array();
  const auto line = scan_line_at(doc.text, doc.line_description, at.line);
  if (!line) return items;
  const std::size_t column = byte_column(line->text, at.utf16);
  // Keywords stand before the first comma of a line.
  if (line->text.substr(0, column).find(',') != std::string_view::npos) return items;
  std::size_t start = 0;
  while (start < column && (line->text[start] == ' ' || line->text[start] == '\t')) ++start;
  const json range = range_json(line->text, line->number, start, column);
  // The section's own keywords first, then the others the part accepts:
  // the reader itself does not care under which section a record stands.
  const auto own = records_of_section(line->part, line->section);
  auto ordered = own;
  for (const record_info* r : records_of_section(line->part, {})) {
    if (std::find(own.begin(), own.end(), r) == own.end()) ordered.push_back(r);
  }
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    const record_info* r = ordered[i];
    const bool in_section = i < own.size();
    for (const auto& spelling : keyword_spellings(*r)) {
      const std::string rank = (i < 10 ? "0" : "") + std::to_string(i);
      json item = {{"label", spelling},          {"kind", keyword_item},
                   {"detail", signature_of(*r)}, {"documentation", std::string(r->meaning)},
                   {"filterText", spelling},     {"sortText", rank + " " + spelling}};
      if (in_section && i == 0) item["preselect"] = true;
      if (snippets) {
        item["textEdit"] = {{"range", range}, {"newText", snippet(*r, spelling)}};
        item["insertTextFormat"] = snippet_format;
      } else {
        item["textEdit"] = {{"range", range}, {"newText", spelling + ", "}};
      }
      items.push_back(std::move(item));
    }
  }
  return items;
}

}  // namespace scn::tool::lsp
