// What the language server knows about the records of both description
// formats, taken from the record catalogue: how a keyword field is
// recognised, the keyword as it is written, each field's name, type, unit,
// range and meaning, and where a position puts things on the cells. Hover,
// completion, signature help and the outline read it through this one file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/record_catalogue.h"

namespace scn::tool::lsp {

using record_part = reading_part;
using record_info = record_spec;
using field_info = field_spec;

// How a position field maps onto the track cells.
enum class position_rule {
  none,    // not a position on the cells
  object,  // an object placed at p takes cell p / 50 + 1
  from,    // a value holding from p onwards takes effect at cell p / 50
};

position_rule position_rule_of(const record_info& r, std::size_t field);

// The step a field's value must be a whole multiple of: 50 for positions on
// the cells and the values the format asks to be multiples of 50, 100 for a
// station's length; 0 when there is none.
std::int64_t required_step(const record_info& r, std::size_t field);

bool is_text(const field_info& f);
// "Long", "Integer", ...
std::string_view type_text(const field_info& f);
// "-100 to 155"; a text field's longest length.
std::string range_text(const field_info& f);

// The record the compiler reads a keyword field as in a part (the first
// test that matches), or null.
const record_info* classify_keyword(std::string_view keyword, record_part part);

// The records written under a section line of a part; every record of the
// part when the section is not one the descriptions use (or empty).
std::vector<const record_info*> records_of_section(record_part part, std::string_view section);

// The ways a record's keyword is written for completion: a curve as right
// and left, the repetition with 4 and with 9 codes.
std::vector<std::string> keyword_spellings(const record_info& r);

// "stazione, position, kind, ..." : the record as a signature.
std::string signature_of(const record_info& r);

}  // namespace scn::tool::lsp
