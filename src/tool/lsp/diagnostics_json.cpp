// Findings of a pair as the diagnostics of one of its files.
#include "tool/lsp/features.h"

namespace scn::tool::lsp {

namespace {

constexpr int severity_error = 1;
constexpr int severity_warning = 2;
constexpr int severity_information = 3;
// More than this many in one file help no one and slow the editor down.
constexpr std::size_t max_diagnostics = 1000;

// The range of the field at a 1-based line and column: up to the next comma
// or the line end, blanks after it left out.
json field_range(std::string_view text, field_location where) {
  if (where.line <= 0) return range_json({}, 0, 0, 0);
  const auto number = static_cast<std::size_t>(where.line - 1);
  const std::string_view line = line_text(text, number);
  std::size_t begin = where.column > 0 ? static_cast<std::size_t>(where.column - 1) : 0;
  if (begin > line.size()) begin = line.size();
  std::size_t end = line.find(',', begin);
  if (end == std::string_view::npos) end = line.size();
  while (end > begin && (line[end - 1] == ' ' || line[end - 1] == '\t')) --end;
  return range_json(line, number, begin, end);
}

}  // namespace

json diagnostics_for(const document_view& doc, description file,
                     const std::vector<pair_finding>& findings, const std::string& line_uri,
                     const std::string& train_uri) {
  json out = json::array();
  std::size_t left_out = 0;
  for (const auto& f : findings) {
    if (f.file != file) continue;
    if (out.size() == max_diagnostics) {
      ++left_out;
      continue;
    }
    json d = {{"range", field_range(doc.text, f.where)},
              {"severity", f.error ? severity_error : severity_warning},
              {"code", f.code},
              {"source", "scenario-tool"},
              {"message", f.message}};
    if (!f.suggestion.empty()) d["data"] = {{"suggestion", f.suggestion}};
    json related = json::array();
    for (const auto& r : f.related) {
      const std::string& uri = r.file == description::line ? line_uri : train_uri;
      if (uri.empty()) continue;
      related.push_back({{"location",
                          {{"uri", uri},
                           {"range",
                            {{"start",
                              {{"line", r.where.line > 0 ? r.where.line - 1 : 0},
                               {"character", r.where.column > 0 ? r.where.column - 1 : 0}}},
                             {"end",
                              {{"line", r.where.line > 0 ? r.where.line - 1 : 0},
                               {"character", r.where.column > 0 ? r.where.column - 1 : 0}}}}}}},
                         {"message", r.message}});
    }
    if (!related.empty()) d["relatedInformation"] = std::move(related);
    out.push_back(std::move(d));
  }
  if (left_out > 0) {
    out.push_back({{"range", field_range(doc.text, {})},
                   {"severity", severity_information},
                   {"code", "more-findings"},
                   {"source", "scenario-tool"},
                   {"message", std::to_string(left_out) +
                                   " more findings are not shown; scenario-tool check lists "
                                   "them all"}});
  }
  return out;
}

}  // namespace scn::tool::lsp
