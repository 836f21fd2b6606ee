// The outline: sections, and the stations, signals, slowdowns, boards and
// posts in them with their kilometres.
#include "tool/lsp/features.h"
#include "tool/lsp/record_lines.h"

namespace scn::tool::lsp {

namespace {

namespace symbol_kind {
constexpr int ns = 3;
constexpr int klass = 5;
constexpr int string = 15;
constexpr int number = 16;
constexpr int event = 24;
constexpr int op = 25;
}  // namespace symbol_kind

struct outlined {
  std::string name;
  int kind = 0;
};

std::optional<outlined> outline_of(const record_line& line) {
  if (line.record == nullptr || line.values.empty()) return std::nullopt;
  const auto text = [&](std::size_t i) {
    return i < line.values.size() ? std::string(line.values[i].text) : std::string();
  };
  // Named by the record's keyword and what tells it from its neighbours.
  const std::string keyword = std::string(line.record->spelling) + " ";
  switch (line.record->kind) {
    case record_kind::station:
      return outlined{keyword + text(16), symbol_kind::klass};
    case record_kind::signal:
      return outlined{keyword + "type " + text(1), symbol_kind::event};
    case record_kind::slowdown:
      return outlined{keyword + text(1) + " km/h over " + text(2) + " m", symbol_kind::op};
    case record_kind::text_board:
      return outlined{keyword + text(1), symbol_kind::string};
    case record_kind::speed_post:
      return outlined{keyword + text(1) + "/" + text(2) + "/" + text(3), symbol_kind::number};
    default:
      return std::nullopt;
  }
}

json line_range(const record_line& line) {
  return range_json(line.text, line.number, 0, line.text.size());
}

json symbol(const record_line& line, const outlined& o) {
  const auto position = line.number_of(0);
  std::string detail = position ? kilometre(*position) : std::string(line.values[0].text);
  if (o.name.empty()) return nullptr;
  return {
      {"name", o.name},
      {"detail", detail},
      {"kind", o.kind},
      {"range", line_range(line)},
      {"selectionRange", range_json(line.text, line.number, line.keyword.begin, line.keyword.end)}};
}

}  // namespace

json document_symbols(const document_view& doc) {
  const auto scanned = scan_document(doc.text, doc.line_description);
  json top = json::array();
  json* section = nullptr;
  for (const auto& line : scanned.lines) {
    if (line.kind == line_kind::section) {
      const auto name_end = line.text.find_last_not_of(" \t") + 1;
      const auto name_begin = line.text.find_first_not_of(" \t");
      top.push_back({{"name", std::string(line.text.substr(name_begin, name_end - name_begin))},
                     {"kind", symbol_kind::ns},
                     {"range", line_range(line)},
                     {"selectionRange", range_json(line.text, line.number, name_begin, name_end)},
                     {"children", json::array()}});
      section = &top.back();
      continue;
    }
    if (line.kind != line_kind::record) continue;
    const auto o = outline_of(line);
    if (!o) {
      if (section != nullptr)
        (*section)["range"]["end"] = position_json(line.text, line.number, line.text.size());
      continue;
    }
    json s = symbol(line, *o);
    if (section == nullptr) {
      top.push_back(std::move(s));
    } else {
      (*section)["range"]["end"] = s["range"]["end"];
      (*section)["children"].push_back(std::move(s));
    }
  }
  return top;
}

}  // namespace scn::tool::lsp
