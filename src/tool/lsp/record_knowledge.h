// What the language server knows about the records of both description
// formats: how a keyword field is recognised, the keyword as it is written,
// and each field's name, type, unit, range and meaning. Hover, completion,
// signature help and the keyword suggestions all read this one table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tool/traced_kinds.h"

namespace scn::tool::lsp {

// Which keyword tests apply to a keyword field.
enum class record_part { line_general, line_body, train };

// How a position field maps onto the track cells.
enum class position_rule {
  none,    // not a position on the cells
  object,  // an object placed at p takes cell p / 50 + 1
  from,    // a value holding from p onwards takes effect at cell p / 50
};

struct field_info {
  std::string_view name;
  std::string_view type;  // "Long", "Integer", "Byte" or "text"
  std::string_view unit;  // empty when the value has none
  std::string_view range;
  std::string_view meaning;
  position_rule position = position_rule::none;
  bool is_text() const { return type == "text"; }
};

struct record_info {
  record_kind kind = record_kind::other;
  record_part part = record_part::train;
  std::string_view keyword;  // as the descriptions write it
  std::string_view meaning;
  std::string_view section;  // the section line it is written under
  std::vector<field_info> fields;
};

// Every record of both formats, in the order the reader tests them.
const std::vector<record_info>& all_records();

// The record a kind stands for, or null for record_kind::other.
const record_info* record_for(record_kind kind);

// What the compiler's keyword tests make of a keyword field in a part.
record_kind classify_keyword(std::string_view keyword, record_part part);

// The keyword a misspelt keyword field was most likely meant to be,
// written as the field should read (a curve keeps its letter and digit).
std::optional<std::string> suggest_keyword(std::string_view keyword, record_part part);

// The records written under a section line of a part; every record of the
// part when the section is not one the descriptions use (or empty).
std::vector<const record_info*> records_of_section(record_part part, std::string_view section);

// The ways a record's keyword is written ("sfondo uno", "sfondo due", ...;
// a curve as "curvad" and "curvas", before its class digit).
std::vector<std::string> keyword_spellings(const record_info& r);

// "stazione, position, kind, ..." : the record as a signature.
std::string signature_of(const record_info& r);

}  // namespace scn::tool::lsp
