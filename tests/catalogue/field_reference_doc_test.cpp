// docs/field-reference.md is rendered from the record and status
// catalogues; this test renders it again and compares. When the catalogue
// changes, copy the rendered file the failure names over the document.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "catalogue/record_catalogue.h"
#include "catalogue/station_rules.h"
#include "catalogue/status_catalogue.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

std::string quoted(std::string_view s) {
  return "\"" + std::string(s) + "\"";
}

std::string test_text(const record_spec& r) {
  std::string out = "contains ";
  bool exact = false;
  for (std::size_t i = 0; i < r.words.size(); ++i) {
    if (i > 0) out += " and ";
    out += quoted(r.words[i].text);
    exact = exact || r.words[i].exact_case;
  }
  return out + (exact ? " (exact case)" : "");
}

std::string range_text(const field_spec& f) {
  if (f.type == field_type::text) return "up to " + std::to_string(f.high) + " characters";
  if (f.low == type_low(f.type) && f.high == type_high(f.type)) return "any";
  return std::to_string(f.low) + " to " + std::to_string(f.high);
}

void render_record(std::ostream& out, const record_spec& r) {
  out << "#### " << r.spelling << "\n\n";
  out << r.meaning << ". Test: " << test_text(r) << ".";
  if (!r.section.empty()) out << " Written under " << r.section << ".";
  out << "\n\n```\n" << r.spelling << ", " << r.example << "\n```\n\n";
  out << "| # | Field | Type | Unit | Range | Meaning |\n|---|---|---|---|---|---|\n";
  for (std::size_t i = 0; i < r.fields.size(); ++i) {
    const auto& f = r.fields[i];
    out << "| " << i + 1 << " | " << f.name << " | " << type_name(f.type) << " | "
        << (f.unit.empty() ? "" : f.unit) << " | " << range_text(f) << " | " << f.meaning << " |\n";
  }
  out << "\n";
}

void render_part(std::ostream& out, reading_part part, const char* title) {
  out << "### " << title << "\n\nTests in this order:";
  bool first = true;
  for (const auto& r : records_in(part)) {
    out << (first ? " " : ", ") << r.spelling;
    first = false;
  }
  out << ".\n\n";
  for (const auto& r : records_in(part)) render_record(out, r);
}

void render_sections(std::ostream& out, description file) {
  out << "| Section line | Holds |\n|---|---|\n";
  for (const auto& s : sections_of(file)) out << "| " << s.header << " | " << s.meaning << " |\n";
  out << "\n";
}

std::string setter_text(status_setter s) {
  std::string out(setter_name(s));
  switch (s) {
    case status_setter::line_compiler:
      return out + ", line half";
    case status_setter::train_compiler:
      return out + ", train half";
    case status_setter::either_compiler:
      return out + ", either half";
    case status_setter::failure_path:
      return out + ", failure path";
    default:
      return out;
  }
}

std::string then_text(status_then t) {
  switch (t) {
    case status_then::nothing:
      return "";
    case status_then::compiler_stops:
      return "the compiler stops";
    case status_then::reading_stops:
      return "reading of the file stops; the compiler goes on";
    case status_then::pass_goes_on:
      break;
  }
  return "the pass goes on";
}

std::string render() {
  std::ostringstream out;
  out << "# Field reference\n\n"
         "Every record of the line description and the train description, with its fields in\n"
         "file order, and every status code. This file is rendered from the record and status\n"
         "catalogues (`src/catalogue/`) and a test compares the two: change the catalogue, then\n"
         "copy the rendered file that the failing test names over this one.\n\n"
         "A keyword field is recognised by substring tests (\"contains\"), which ignore the case\n"
         "of ASCII letters unless marked exact case. Every test that matches reads its own\n"
         "fields, in the order listed; a field that matches no test is skipped and the next field\n"
         "is tried as a keyword. Ranges are those the format gives or implies; a value outside\n"
         "its type's range is an input failure (status 25).\n\n"
         "| Type | Accepts |\n|---|---|\n";
  for (const auto t : {field_type::long_value, field_type::integer, field_type::byte}) {
    out << "| " << type_name(t) << " | " << type_low(t) << " to " << type_high(t) << " |\n";
  }
  out << "| " << type_name(field_type::text) << " | the rest of the field, up to a comma or the "
      << "end of the line |\n\n";
  out << "## Line description\n\n";
  render_sections(out, description::line);
  render_part(out, reading_part::line_general, "General part");
  render_part(out, reading_part::line_body, "Body");
  out << "A curve's class is the first of the digits " << curve_class_digits
      << " found in its keyword; a keyword holding the letter \"" << curve_left_letter
      << "\" (any case) turns left. The repetition keyword names its code count by \""
      << repetition_four_codes << "\", else \"" << repetition_nine_codes << "\".\n\n";
  out << "## Train description\n\n";
  render_sections(out, description::train);
  render_part(out, reading_part::train, "Records");
  out << "Station kinds: kinds 5 and 6 reach from position - length to position + 150 and have\n"
         "no approach codes; kinds 7 and 8 reach from position - length to position + length;\n"
         "every other kind is centred on the position (+ 50 m at the end with the end\n"
         "extension). Kinds "
      << first_kind_without_stop
      << " and above have no stop cell and no approach codes. A station area\n"
         "must begin at least "
      << station_spacing << " m after the previous one ends.\n\n";
  out << "## Status codes\n\n| Code | Set by | Position | Then | Meaning "
         "|\n|---|---|---|---|---|\n";
  for (const auto& s : all_statuses()) {
    out << "| " << s.code << " | " << setter_text(s.setter) << " | "
        << (s.has_position ? "yes" : "no") << " | " << then_text(s.then) << " | " << s.meaning
        << " |\n";
  }
  return out.str();
}

TEST(FieldReferenceDoc, IsRenderedFromTheCatalogues) {
  const fs::path doc = test::source_path("docs/field-reference.md");
  std::ifstream in(doc, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const std::string rendered = render();
  if (text.str() == rendered) return;
  const fs::path fresh = fs::path(SCENARIO_BIN_DIR) / "field-reference.md";
  std::ofstream(fresh, std::ios::binary) << rendered;
  ADD_FAILURE() << doc.lexically_normal() << " differs from the catalogues; the rendered file is "
                << fresh;
}

}  // namespace
}  // namespace scn
