// The records of both description formats: how a keyword field is
// recognised, which fields follow it and what each one means. The compiler
// dispatches on this table; the compile trace, check, the field reference
// and the authoring tools read the same table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/description_kind.h"

namespace scn {

// Every record the compiler knows, one per keyword test, in the order the
// tests are applied within their reading part.
enum class record_kind : std::uint8_t {
  // line description, general part
  length,
  reference_tre,
  reference_due,
  reference_uno,
  backdrop_uno,
  backdrop_due,
  backdrop_tre,
  repetition,
  // line description, body
  gradient,
  curve,
  span,
  speed_post,
  text_board,
  // train description
  braked_mass,
  vehicles,
  speed,
  adhesion,
  clock,
  sand,
  signal,
  slowdown,
  reduction_mark,
  station,
};

inline constexpr std::size_t record_kind_count = 23;

// Where in a file a keyword is tested: each part has its own tests.
enum class reading_part : std::uint8_t { line_general, line_body, train };

// The field types of the formats, with the ranges a read accepts.
enum class field_type : std::uint8_t { long_value, integer, byte, text };

// One substring of a keyword test.
struct keyword_word {
  std::string_view text;
  bool exact_case = false;  // otherwise ASCII letters compare without case
};

// One field after the keyword.
struct field_spec {
  std::string_view name;
  field_type type = field_type::long_value;
  std::string_view unit;  // "" when the value has none
  // Values the format gives or implies; a text field's range is its length.
  std::int64_t low = 0;
  std::int64_t high = 0;
  std::string_view meaning;
};

struct record_spec {
  record_kind kind;
  reading_part part;
  // All words must occur in the keyword field for the test to match.
  std::span<const keyword_word> words;
  // The keyword as the writer spells it, for emitting records and completion.
  std::string_view spelling;
  // The section line under which the writer puts the record.
  std::string_view section;
  std::span<const field_spec> fields;
  std::string_view meaning;
  // Values of a typical record, as they follow the keyword in a file.
  std::string_view example;
};

// A section line of a format and the records written under it.
struct section_spec {
  description file;
  std::string_view header;
  std::string_view meaning;
};

// The whole table, in dispatch order: line general part, line body, train.
std::span<const record_spec> all_records();

// The records of one reading part, in the order their tests are applied.
std::span<const record_spec> records_in(reading_part part);

const record_spec& record_of(record_kind kind);

// The file a reading part belongs to.
description file_of(reading_part part);

// True when every word of the record's test occurs in `keyword`.
bool keyword_matches(const record_spec& record, std::string_view keyword);

// Every record whose test matches `keyword` in `part`, in dispatch order:
// exactly the records the compiler reads for that keyword field. At most
// `record_kind_count` entries; returns how many were written.
std::size_t records_matching(reading_part part, std::string_view keyword,
                             std::span<record_kind> out);

// The section lines of one file, in the order the writer puts them.
std::span<const section_spec> sections_of(description file);

// The records written under a section line (by header, without case).
std::size_t records_under(description file, std::string_view header, std::span<record_kind> out);

// The three "progressiva" records.
bool is_km_reference(record_kind kind);

// The field at `index` (0 is the first value after the keyword), if any.
const field_spec* field_at(record_kind kind, std::size_t index);

// How a finding names a field: the record's spelling, the field's number
// counted from 1 after the keyword, and its name, as in
// "stazione, field 3 'length'". Index past the last field: "stazione, field 18".
std::string field_label(record_kind kind, std::size_t index);

// A whole example line of the record: spelling, comma, example values.
std::string example_line(record_kind kind);

// "Long", "Integer", "Byte", "Text".
std::string_view type_name(field_type type);

// Smallest and largest value a read of this type accepts.
std::int64_t type_low(field_type type);
std::int64_t type_high(field_type type);

// The section line the search for a description's start looks for, in
// both files, and what closes the general part of the line description.
inline constexpr std::string_view general_section = "[generale]";

// Keyword characters that refine a record after its test has matched: the
// curvature class is the first of these digits found in a curve keyword;
// a curve keyword holding the letter turns left (any case); the repetition
// keyword names its code count by one of two digits (exact).
inline constexpr std::string_view curve_class_digits = "123456";
inline constexpr std::string_view curve_left_letter = "s";
inline constexpr std::string_view repetition_four_codes = "4";
inline constexpr std::string_view repetition_nine_codes = "9";

// The first bracketed field of the line description not beginning with a
// dash closes its general part; its name does not matter.
bool closes_general_part(std::string_view field);

// The keyword of a curve as the writer spells it: "curva", "d" or "s" for
// right or left, then the class digit 1 to 6.
std::string curve_spelling(bool left, int curvature_class);

// The repetition keyword naming 4 or 9 codes.
std::string repetition_spelling(bool nine_codes);

}  // namespace scn
