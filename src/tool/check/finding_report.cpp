// Printing findings for people and for programs.
#include "tool/check/finding_report.h"

#include <nlohmann/json.hpp>

namespace scn::tool {

namespace {

std::string place(const reported_file& file, field_location where) {
  if (where.line <= 0) return file.name;
  return file.name + ":" + std::to_string(where.line) + ":" + std::to_string(where.column);
}

void append_quote(std::string& out, const reported_file& file, field_location where) {
  if (where.line <= 0 || file.text == nullptr || where.line > file.text->line_count()) return;
  out += quoted_with_caret(file.text->line(where.line), where.column);
}

}  // namespace

std::size_t count_errors(const std::vector<finding>& findings) {
  std::size_t n = 0;
  for (const auto& f : findings) n += f.error ? 1 : 0;
  return n;
}

std::size_t count_warnings(const std::vector<finding>& findings) {
  return findings.size() - count_errors(findings);
}

std::string render_human(const std::vector<finding>& findings, const reported_files& files) {
  std::string out;
  for (const auto& f : findings) {
    const reported_file& file = files.of(f.file);
    out += place(file, f.where) + ": " + (f.error ? "error" : "warning") + ": " + f.message + " [" +
           f.code + "]\n";
    append_quote(out, file, f.where);
    for (const auto& r : f.related) {
      const reported_file& other = files.of(r.file);
      out += place(other, r.where) + ": note: " + r.message + "\n";
      append_quote(out, other, r.where);
    }
  }
  return out;
}

std::string render_json(const std::vector<finding>& findings, const reported_files& files) {
  using nlohmann::json;
  json list = json::array();
  for (const auto& f : findings) {
    json related = json::array();
    for (const auto& r : f.related)
      related.push_back({{"file", files.of(r.file).name},
                         {"line", r.where.line},
                         {"column", r.where.column},
                         {"message", r.message}});
    json item = {{"file", files.of(f.file).name},
                 {"line", f.where.line},
                 {"column", f.where.column},
                 {"severity", f.error ? "error" : "warning"},
                 {"code", f.code},
                 {"message", f.message},
                 {"related", std::move(related)}};
    if (!f.suggestion.empty()) item["suggestion"] = f.suggestion;
    list.push_back(std::move(item));
  }
  const json doc = {{"findings", std::move(list)},
                    {"errors", count_errors(findings)},
                    {"warnings", count_warnings(findings)}};
  return doc.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace scn::tool
