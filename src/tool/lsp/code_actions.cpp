// Quick fixes: the keyword meant, a position rounded to its cell, a length
// rounded to whole hundreds, the extra values of a line moved out.
#include "model/rounding.h"
#include "tool/lsp/features.h"
#include "tool/lsp/record_lines.h"

namespace scn::tool::lsp {

namespace {

struct fix_context {
  const document_view& doc;
  const std::string& uri;
  const json& diagnostics;
  const json& published;
  json actions = json::array();
};

// The client's diagnostics on a line, optionally only those of a code.
json diagnostics_on(const json& diagnostics, std::size_t line, const std::string& code = {}) {
  json out = json::array();
  if (!diagnostics.is_array()) return out;
  for (const auto& d : diagnostics) {
    const auto* start = d.is_object() && d.contains("range") && d["range"].is_object() &&
                                d["range"].contains("start")
                            ? &d["range"]["start"]
                            : nullptr;
    text_point p;
    if (start == nullptr || !read_position(*start, p) || p.line != line) continue;
    if (!code.empty() && !(d.contains("code") && d["code"] == code)) continue;
    out.push_back(d);
  }
  return out;
}

void add_fix(fix_context& c, const record_line& line, const std::string& title, std::size_t begin,
             std::size_t end, const std::string& new_text, json diagnostics, bool preferred) {
  json edit = {{"range", range_json(line.text, line.number, begin, end)}, {"newText", new_text}};
  json action = {{"title", title},
                 {"kind", "quickfix"},
                 {"edit", {{"changes", {{c.uri, json::array({edit})}}}}}};
  if (!diagnostics.empty()) action["diagnostics"] = std::move(diagnostics);
  if (preferred) action["isPreferred"] = true;
  c.actions.push_back(std::move(action));
}

// The keyword meant, as check's finding at the line suggests it.
void keyword_fix(fix_context& c, const record_line& line) {
  if (line.record != nullptr) return;
  for (const auto& d : diagnostics_on(c.published, line.number, "unknown-keyword")) {
    const json* meant =
        d.contains("data") && d["data"].is_object() && d["data"].contains("suggestion")
            ? &d["data"]["suggestion"]
            : nullptr;
    if (meant == nullptr || !meant->is_string()) continue;
    const std::string text = meant->get<std::string>();
    add_fix(c, line, "Change to \"" + text + "\"", line.keyword.begin, line.keyword.end, text,
            diagnostics_on(c.diagnostics, line.number, "unknown-keyword"), true);
    return;
  }
}

// Values that must be whole multiples: positions on the cells of 50 m,
// station lengths of 100 m.
void rounding_fixes(fix_context& c, const record_line& line) {
  if (line.record == nullptr) return;
  for (std::size_t i = 0; i < line.values.size(); ++i) {
    const field_info& f = line.record->fields[i];
    const std::int64_t step = required_step(*line.record, i);
    const auto v = line.number_of(i);
    if (step == 0 || !v || *v % step == 0) continue;
    const std::int64_t rounded =
        nearest(static_cast<double>(*v) / static_cast<double>(step)) * step;
    add_fix(c, line,
            "Round " + std::string(f.name) + " " + std::to_string(*v) + " to " +
                std::to_string(rounded),
            line.values[i].begin, line.values[i].end, std::to_string(rounded),
            diagnostics_on(c.diagnostics, line.number), false);
  }
}

void extra_values_fix(fix_context& c, const record_line& line) {
  if (!line.extra || line.record == nullptr) return;
  const std::size_t from = line.values.empty() ? line.keyword.end : line.values.back().end;
  const bool crlf = c.doc.text.find("\r\n") != std::string_view::npos;
  add_fix(c, line,
          "Move the values past the record's " + std::to_string(line.values.size()) +
              " fields to a line of their own",
          from, line.extra->begin, crlf ? "\r\n" : "\n", diagnostics_on(c.diagnostics, line.number),
          false);
}

}  // namespace

json code_actions(const document_view& doc, const std::string& uri, const json& range,
                  const json& diagnostics, const json& published) {
  fix_context c{doc, uri, diagnostics, published};
  text_point from, to;
  if (!range.is_object() || !read_position(range.value("start", json()), from) ||
      !read_position(range.value("end", json()), to) || to.line < from.line)
    return c.actions;
  // Scan the document once; a range of a few lines is what editors ask for.
  const auto scanned = scan_document(doc.text, doc.line_description);
  for (std::size_t n = from.line; n <= to.line && n < scanned.lines.size() && n - from.line < 1000;
       ++n) {
    const auto& line = scanned.lines[n];
    if (line.kind != line_kind::record) continue;
    keyword_fix(c, line);
    rounding_fixes(c, line);
    extra_values_fix(c, line);
  }
  return c.actions;
}

}  // namespace scn::tool::lsp
