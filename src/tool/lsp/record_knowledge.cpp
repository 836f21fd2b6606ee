// The language server's reading of the record catalogue.
#include "tool/lsp/record_knowledge.h"

namespace scn::tool::lsp {

namespace {

bool mentions(std::string_view meaning, std::string_view words) {
  return meaning.find(words) != std::string_view::npos;
}

}  // namespace

position_rule position_rule_of(const record_info& r, std::size_t field) {
  // The first value of these records is where they stand.
  if (field != 0) return position_rule::none;
  switch (r.kind) {
    case record_kind::gradient:
    case record_kind::span:
    case record_kind::speed:
    case record_kind::adhesion:
    case record_kind::reduction_mark:
      return position_rule::from;
    case record_kind::speed_post:
    case record_kind::text_board:
    case record_kind::signal:
    case record_kind::slowdown:
    case record_kind::station:
      return position_rule::object;
    default:
      return position_rule::none;
  }
}

std::int64_t required_step(const record_info& r, std::size_t field) {
  const field_info* f = field_at(r.kind, field);
  if (f == nullptr) return 0;
  if (mentions(f->meaning, "a multiple of 100")) return 100;
  if (mentions(f->meaning, "a multiple of 50")) return 50;
  return position_rule_of(r, field) != position_rule::none ? 50 : 0;
}

bool is_text(const field_info& f) {
  return f.type == field_type::text;
}

std::string_view type_text(const field_info& f) {
  return type_name(f.type);
}

std::string range_text(const field_info& f) {
  if (is_text(f)) return "up to " + std::to_string(f.high) + " characters, no comma";
  return std::to_string(f.low) + " to " + std::to_string(f.high);
}

const record_info* classify_keyword(std::string_view keyword, record_part part) {
  record_kind found[record_kind_count];
  if (records_matching(part, keyword, found) == 0) return nullptr;
  return &record_of(found[0]);
}

std::vector<const record_info*> records_of_section(record_part part, std::string_view section) {
  std::vector<const record_info*> out;
  std::string header(section);
  while (!header.empty() && (header.back() == ' ' || header.back() == '\t')) header.pop_back();
  while (!header.empty() && (header.front() == ' ' || header.front() == '\t')) header.erase(0, 1);
  record_kind under[record_kind_count];
  const std::size_t n = header.empty() ? 0 : records_under(file_of(part), header, under);
  for (std::size_t i = 0; i < n; ++i) {
    if (record_of(under[i]).part == part) out.push_back(&record_of(under[i]));
  }
  if (!out.empty()) return out;
  for (const auto& r : records_in(part)) out.push_back(&r);
  return out;
}

std::vector<std::string> keyword_spellings(const record_info& r) {
  switch (r.kind) {
    case record_kind::curve:
      return {curve_spelling(false, 4), curve_spelling(true, 4)};
    case record_kind::repetition:
      return {repetition_spelling(false), repetition_spelling(true)};
    default:
      return {std::string(r.spelling)};
  }
}

std::string signature_of(const record_info& r) {
  std::string out(r.spelling);
  for (const auto& f : r.fields) out += ", " + std::string(f.name);
  return out;
}

}  // namespace scn::tool::lsp
