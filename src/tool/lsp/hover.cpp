// Hover: what the field under the cursor is.
#include <cstdint>

#include "catalogue/keyword_suggestions.h"
#include "model/rounding.h"
#include "tool/lsp/features.h"
#include "tool/lsp/record_lines.h"

namespace scn::tool::lsp {

namespace {

std::string describe_field(const field_info& f) {
  std::string out = "`" + std::string(f.name) + "`: " + std::string(f.meaning);
  out += "\n\n- type: " + std::string(type_text(f));
  if (!f.unit.empty()) out += "\n- unit: " + std::string(f.unit);
  out += "\n- range: " + range_text(f);
  return out;
}

// Where a position value puts things: its kilometre and its cell.
std::string position_note(position_rule rule, std::int64_t p) {
  std::string out = "\n\nPosition " + std::to_string(p) + " m: " + kilometre(p);
  if (rule == position_rule::none) return out + ".";
  const std::int64_t cell = rule == position_rule::object ? cell_index(p) : fill_index(p);
  out += rule == position_rule::object ? ", placed on cell " : ", takes effect at cell ";
  out += std::to_string(cell);
  if (p % 50 != 0)
    out += " (not a multiple of 50: it lands where " + std::to_string(nearest(p / 50.0) * 50) +
           " m would)";
  return out + ".";
}

std::string keyword_text(const record_info& r) {
  std::string out =
      "**" + std::string(r.spelling) + "**: " + std::string(r.meaning) + "\n\nFields in order:";
  for (std::size_t i = 0; i < r.fields.size(); ++i) {
    const auto& f = r.fields[i];
    out += "\n" + std::to_string(i + 1) + ". `" + std::string(f.name) + "`";
    if (!f.unit.empty()) out += " (" + std::string(f.unit) + ")";
    out += ": " + std::string(f.meaning);
  }
  return out;
}

std::string value_text(const record_line& line, std::size_t index) {
  const record_info& r = *line.record;
  const field_info& f = r.fields[index];
  std::string out = "**" + std::string(r.spelling) + "**, field " + std::to_string(index + 1) +
                    " of " + std::to_string(r.fields.size()) + "\n\n" + describe_field(f);
  const bool metres = f.unit == "m";
  if (const auto v = line.number_of(index); v && metres)
    out += position_note(position_rule_of(r, index), *v);
  return out;
}

}  // namespace

std::string kilometre(std::int64_t metres) {
  const std::int64_t m = metres < 0 ? -metres : metres;
  std::string rest = std::to_string(m % 1000);
  rest.insert(0, 3 - rest.size(), '0');
  return std::string("km ") + (metres < 0 ? "-" : "") + std::to_string(m / 1000) + "+" + rest;
}

json hover(const document_view& doc, const text_point& at) {
  const auto line = scan_line_at(doc.text, doc.line_description, at.line);
  if (!line || line->kind != line_kind::record) return nullptr;
  const std::size_t column = byte_column(line->text, at.utf16);
  const auto field = line->field_at(column);
  if (!field) return nullptr;
  std::string text;
  line_field where = line->keyword;
  if (line->record == nullptr) {
    if (*field != -1) return nullptr;
    text = "`" + std::string(line->keyword.text) +
           "` is not a keyword of this part of the description: the reader skips it.";
    if (const auto meant = keyword_meant(line->part, line->keyword.text))
      text += " Did you mean `" + meant->text + "`?";
  } else if (*field == -1) {
    text = keyword_text(*line->record);
  } else {
    where = line->values[static_cast<std::size_t>(*field)];
    text = value_text(*line, static_cast<std::size_t>(*field));
  }
  return {{"contents", {{"kind", "markdown"}, {"value", text}}},
          {"range", range_json(line->text, line->number, where.begin, where.end)}};
}

}  // namespace scn::tool::lsp
