// The record table of both description formats and its lookups.
#include "catalogue/record_catalogue.h"

#include <algorithm>
#include <array>
#include <limits>

#include "catalogue/keyword_tests.h"

namespace scn {

namespace {

constexpr std::int64_t long_low = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t long_high = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t integer_low = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t integer_high = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t longest_line = 1000000;
constexpr std::int64_t longest_text = 65535;  // the item file's text length has 16 bits

constexpr field_type L = field_type::long_value;
constexpr field_type I = field_type::integer;
constexpr field_type B = field_type::byte;
constexpr field_type T = field_type::text;

// Keyword tests.
constexpr keyword_word length_words[] = {{"lunghezza"}, {"percorso"}};
constexpr keyword_word reference_tre_words[] = {{"progressiva", true}, {"tre", true}};
constexpr keyword_word reference_due_words[] = {{"progressiva", true}, {"due", true}};
constexpr keyword_word reference_uno_words[] = {{"progressiva", true}, {"uno", true}};
constexpr keyword_word backdrop_uno_words[] = {{"sfondo", true}, {"uno", true}};
constexpr keyword_word backdrop_due_words[] = {{"sfondo", true}, {"due", true}};
constexpr keyword_word backdrop_tre_words[] = {{"sfondo", true}, {"tre", true}};
constexpr keyword_word repetition_words[] = {{"ripetizione", true}, {"segnali", true}};
constexpr keyword_word gradient_words[] = {{"pendenza"}};
constexpr keyword_word curve_words[] = {{"curva"}};
constexpr keyword_word span_words[] = {{"montagna"}};
constexpr keyword_word speed_post_words[] = {{"indicatori_v"}};
constexpr keyword_word text_board_words[] = {{"cartello"}, {"indicat"}};
constexpr keyword_word braked_mass_words[] = {{"frenata"}, {"massa"}};
constexpr keyword_word vehicles_words[] = {{"vetture"}};
constexpr keyword_word speed_words[] = {{"velocit"}};
constexpr keyword_word adhesion_words[] = {{"aderenza"}};
constexpr keyword_word clock_words[] = {{"orologio"}};
constexpr keyword_word sand_words[] = {{"sabbia"}};
constexpr keyword_word signal_words[] = {{"segnale"}};
constexpr keyword_word slowdown_words[] = {{"rallentamento"}};
constexpr keyword_word reduction_mark_words[] = {{"abbattimento"}};
constexpr keyword_word station_words[] = {{"stazione"}};

// Fields.
constexpr field_spec length_fields[] = {
    {"length", L, "m", 0, longest_line,
     "Line length; sizes the track model, which runs 7000 m past it"},
};
constexpr field_spec reference_fields[] = {
    {"first", L, "m", long_low, long_high,
     "First value; a multiple of 50; the three references are ordered by it"},
    {"second", L, "m", long_low, long_high,
     "Second value; a multiple of 50; 100 is added when the third value is 1"},
    {"third", L, "", 0, 1, "1 adds 100 to the second value"},
};
constexpr field_spec backdrop_fields[] = {
    {"position", L, "m", 0, longest_line, "Where this backdrop begins; stored unchanged"},
};
constexpr field_spec repetition_fields[] = {
    {"first", L, "", long_low, long_high, "First repetition value; a multiple of 50"},
    {"second", L, "", long_low, long_high,
     "Second repetition value; a multiple of 50; 0 turns repetition off"},
};
constexpr field_spec gradient_fields[] = {
    {"position", L, "m", 0, longest_line, "Where the gradient begins to hold"},
    {"gradient", L, "per mille", -100, 155,
     "Rising positive; holds until the next gradient record; stored as gradient + 100 in one "
     "byte"},
};
constexpr field_spec curve_fields[] = {
    {"start", L, "m", 0, longest_line, "Where the curve begins"},
    {"length", L, "m", 0, longest_line, "Length of the curve"},
};
constexpr field_spec span_fields[] = {
    {"inizio", L, "m", 0, longest_line, "Start of the backdrop span"},
    {"fine", L, "m", 0, longest_line, "End of the backdrop span"},
    {"tipo", L, "", 0, 265,
     "Backdrop type, one byte; above 10: type - 10 with a backdrop mark on every fourth cell"},
};
constexpr field_spec speed_post_fields[] = {
    {"posizione", L, "m", 0, longest_line, "Position of the post"},
    {"vas", L, "km/h", 0, 1637, "First-set speed of the first pair; packed as vas * 20 + vad / 5"},
    {"vbs", L, "km/h", 0, 1637, "First-set speed of the second pair"},
    {"vcs", L, "km/h", 0, 1637, "First-set speed of the third pair"},
    {"strisces", I, "", 0, 3276,
     "Stripe count of the first set; packed as strisces * 10 + strisced"},
    {"vad", L, "km/h", 0, 95, "Second-set speed of the first pair; a multiple of 5 below 100"},
    {"vbd", L, "km/h", 0, 95, "Second-set speed of the second pair"},
    {"vcd", L, "km/h", 0, 95, "Second-set speed of the third pair"},
    {"strisced", I, "", 0, 9, "Stripe count of the second set"},
};
constexpr field_spec text_board_fields[] = {
    {"position", L, "m", 0, longest_line, "Position of the board"},
    {"text", T, "", 0, longest_text,
     "Board text, the rest of the field; blanks and parentheses allowed, a comma cuts it"},
};
constexpr field_spec braked_mass_fields[] = {
    {"percentage", L, "percent", 0, long_high, "Braked-mass percentage of the train"},
};
constexpr field_spec vehicles_fields[] = {
    {"count", L, "", 0, long_high, "Number of vehicles"},
};
constexpr field_spec speed_fields[] = {
    {"position", L, "m", 0, longest_line, "Where the speed limit begins to hold"},
    {"speed", L, "km/h", 0, 1275,
     "Line speed limit until the next speed record; stored in units of 5 km/h"},
};
constexpr field_spec adhesion_fields[] = {
    {"position", L, "m", 0, longest_line, "Where the adhesion begins to hold"},
    {"adhesion", L, "percent", 0, 255, "Adhesion until the next adhesion record; one byte"},
};
constexpr field_spec clock_fields[] = {
    {"hours", I, "h", 0, 23, "Clock at the start of the run: hours"},
    {"minutes", I, "min", 0, 59, "Clock at the start of the run: minutes"},
    {"seconds", I, "s", 0, 59, "Clock at the start of the run: seconds"},
};
constexpr field_spec sand_fields[] = {
    {"quantity", I, "", 0, integer_high, "Sand carried"},
};
constexpr field_spec signal_fields[] = {
    {"posizione", L, "m", 0, longest_line, "Position of the signal"},
    {"sx", L, "", 1, 2, "Type on the left: 1 or 2; only type 2 keeps its tempo"},
    {"s1", L, "", 0, 3276, "First left-hand value; stored as s1 * 10 + d1"},
    {"s2", L, "", 0, 3276, "Second left-hand value; stored as s2 * 10 + d2"},
    {"s3", L, "", 0, 3276, "Third left-hand value; stored as s3 * 10 + d3"},
    {"rapp", L, "", 0, 3276, "Stored as rapp * 10 + sx * 3 + dx"},
    {"dx", L, "", 0, 2, "Type on the right"},
    {"d1", L, "", 0, 9, "First right-hand value"},
    {"d2", L, "", 0, 9, "Second right-hand value"},
    {"d3", L, "", 0, 9, "Third right-hand value"},
    {"tempo", L, "", 0, 255,
     "0, or at least 101 (1 to 100 is taken as 101); a type-2 signal keeps it in one byte"},
};
constexpr field_spec slowdown_fields[] = {
    {"x", L, "m", 0, longest_line, "Start of the slowdown"},
    {"v", L, "km/h", 0, 1275, "Speed of the slowdown"},
    {"l", L, "m", 0, longest_line, "Length of the slowdown"},
    {"f_tt", L, "", integer_low, integer_high, "Stored with the slowdown's start and end"},
    {"f_ta", L, "", 0, 1, "Non-zero: four pre-warning cells ahead of the warning board"},
    {"d_v", L, "", integer_low, integer_high, "Stored with the slowdown where it is non-zero"},
};
constexpr field_spec reduction_mark_fields[] = {
    {"position", L, "m", 0, longest_line, "Position of the reduction mark"},
    {"value", L, "", 0, integer_high, "1 or more is stored with the mark; below 1 a bare mark"},
};
constexpr field_spec station_fields[] = {
    {"position", L, "m", 0, longest_line, "Reference point of the station; a multiple of 50"},
    {"kind", B, "", 0, 255,
     "How the area is derived; kinds 25 and above have no stop cell and no approach codes"},
    {"length", L, "m", 0, longest_line, "Length of the station area; a multiple of 100"},
    {"flag_a", B, "", 0, 255, "Stored for the simulator"},
    {"flag_e", B, "", 0, 255,
     "Stored for the simulator; 0 when the length is below 600 and for the first station"},
    {"end_extension", B, "", 0, 255,
     "Non-zero extends a centred area by 50 m at its far end; 0 for kinds 5 to 8 and the first "
     "station"},
    {"word_a", I, "", integer_low, integer_high, "Stored for the simulator"},
    {"word_b", I, "", integer_low, integer_high, "Stored for the simulator"},
    {"flag_b", B, "", 0, 255, "Stored for the simulator"},
    {"word_c", I, "", integer_low, integer_high, "Stored for the simulator"},
    {"word_d", I, "", integer_low, integer_high, "Stored for the simulator"},
    {"word_e", I, "", integer_low, integer_high, "Stored for the simulator"},
    {"flag_c", B, "", 0, 255, "Stored for the simulator"},
    {"hours", L, "h", 0, 23, "Timetable time: hours; 0, 0, 0 where there is none"},
    {"minutes", L, "min", 0, 59, "Timetable time: minutes"},
    {"seconds", L, "s", 0, 59, "Timetable time: seconds"},
    {"name", T, "", 0, longest_text,
     "Station name, the rest of the field; blanks, apostrophes and hyphens allowed, a comma "
     "cuts it"},
};

using K = record_kind;
using P = reading_part;

// Indexed by record_kind; within each part in the order the tests apply.
constexpr record_spec records[] = {
    {K::length, P::line_general, length_words, "lunghezza percorso", general_section, length_fields,
     "Line length; must come before every body record", "100000"},
    {K::reference_tre, P::line_general, reference_tre_words, "progressiva chilometrica tre",
     general_section, reference_fields, "Third kilometric reference", "0, 0, 0"},
    {K::reference_due, P::line_general, reference_due_words, "progressiva chilometrica due",
     general_section, reference_fields, "Second kilometric reference", "0, 0, 0"},
    {K::reference_uno, P::line_general, reference_uno_words, "progressiva chilometrica uno",
     general_section, reference_fields, "First kilometric reference", "0, 0, 0"},
    {K::backdrop_uno, P::line_general, backdrop_uno_words, "sfondo uno", general_section,
     backdrop_fields, "Position of backdrop one", "1"},
    {K::backdrop_due, P::line_general, backdrop_due_words, "sfondo due", general_section,
     backdrop_fields, "Position of backdrop two", "20000"},
    {K::backdrop_tre, P::line_general, backdrop_tre_words, "sfondo tre", general_section,
     backdrop_fields, "Position of backdrop three", "30500"},
    {K::repetition, P::line_general, repetition_words, "ripetizione segnali 4 codici",
     general_section, repetition_fields, "Cab-signal repetition; the keyword names 4 or 9 codes",
     "0, 0"},
    {K::gradient, P::line_body, gradient_words, "pendenza", "[pendenze]", gradient_fields,
     "Gradient from a position on; records in ascending order", "850, 4"},
    {K::curve, P::line_body, curve_words, "curvad4", "[curve]", curve_fields,
     "A curve; the keyword's first digit 1 to 6 is its class, a letter s turns it left",
     "2150, 100"},
    {K::span, P::line_body, span_words, "montagna", "[montagne]", span_fields,
     "A backdrop span; at most 80", "31050, 31150, 12"},
    {K::speed_post, P::line_body, speed_post_words, "indicatori_vmax", "[cartelli]",
     speed_post_fields, "A speed-indicator post with two sets of three speeds",
     "600, 90, 95, 95, 0, , , , 0"},
    {K::text_board, P::line_body, text_board_words, "cartello_indicatore", "[indicazioni]",
     text_board_fields, "A text board; at most 80", "86750, ( CULMINE )(Km.86+750)"},
    {K::braked_mass, P::train, braked_mass_words, "percentuale massa frenata", general_section,
     braked_mass_fields, "Braked-mass percentage", "60"},
    {K::vehicles, P::train, vehicles_words, "numero vetture", general_section, vehicles_fields,
     "Number of vehicles", "10"},
    {K::speed, P::train, speed_words, "velocita", "[vel_limite]", speed_fields,
     "Speed limit from a position on; the first at 0, records in ascending order", "0, 90"},
    {K::adhesion, P::train, adhesion_words, "aderenza", "[aderenze]", adhesion_fields,
     "Adhesion from a position on; the first at 0, records in ascending order", "0, 100"},
    {K::clock, P::train, clock_words, "orologio", general_section, clock_fields,
     "Clock at the start of the run", "11, 3, 0"},
    {K::sand, P::train, sand_words, "sabbia", general_section, sand_fields, "Sand carried", "300"},
    {K::signal, P::train, signal_words, "segnale", "[segnali]", signal_fields, "A signal",
     "2450, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0"},
    {K::slowdown, P::train, slowdown_words, "rallentamento", "[rallentamenti]", slowdown_fields,
     "A temporary slowdown with its warning board", "38950, 75, 350, 1, 0, 0"},
    {K::reduction_mark, P::train, reduction_mark_words, "abbattimento", "", reduction_mark_fields,
     "A reduction mark; no section of its own", "5000, 1"},
    {K::station, P::train, station_words, "stazione", "[stazioni]", station_fields,
     "A station, stop or junction with its timetable time; in ascending order, before signals "
     "and slowdowns",
     "4500, 11, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, VALBRUNA"},
};
static_assert(std::size(records) == record_kind_count);

constexpr bool table_in_kind_order() {
  for (std::size_t i = 0; i < std::size(records); ++i) {
    if (static_cast<std::size_t>(records[i].kind) != i) return false;
  }
  return true;
}
static_assert(table_in_kind_order());

constexpr section_spec line_sections[] = {
    {description::line, general_section,
     "Line length, kilometric references, backdrops, "
     "cab-signal repetition"},
    {description::line, "[curve]", "Curves"},
    {description::line, "[pendenze]", "Gradients"},
    {description::line, "[montagne]", "Backdrop spans"},
    {description::line, "[cartelli]", "Speed-indicator posts"},
    {description::line, "[indicazioni]", "Text boards"},
    {description::line, "[fine]", "End of the file"},
};
constexpr section_spec train_sections[] = {
    {description::train, general_section, "Vehicles, braked mass, sand, clock"},
    {description::train, "[aderenze]", "Adhesion profile"},
    {description::train, "[vel_limite]", "Speed-limit profile"},
    {description::train, "[stazioni]", "Stations"},
    {description::train, "[rallentamenti]", "Temporary slowdowns"},
    {description::train, "[segnali]", "Signals"},
    {description::train, "[codici]", "Written empty"},
    {description::train, "[fine]", "End of the file"},
};

struct part_range {
  std::size_t first;
  std::size_t count;
};

constexpr part_range range_of(reading_part part) {
  switch (part) {
    case reading_part::line_general:
      return {0, 8};
    case reading_part::line_body:
      return {8, 5};
    case reading_part::train:
      break;
  }
  return {13, 10};
}

bool same_text_nocase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && contains_nocase(a, b);
}

}  // namespace

std::span<const record_spec> all_records() {
  return records;
}

std::span<const record_spec> records_in(reading_part part) {
  const auto r = range_of(part);
  return std::span<const record_spec>(records).subspan(r.first, r.count);
}

const record_spec& record_of(record_kind kind) {
  return records[static_cast<std::size_t>(kind)];
}

description file_of(reading_part part) {
  return part == reading_part::train ? description::train : description::line;
}

bool keyword_matches(const record_spec& record, std::string_view keyword) {
  return std::all_of(record.words.begin(), record.words.end(), [&](const keyword_word& w) {
    return w.exact_case ? contains_exact(keyword, w.text) : contains_nocase(keyword, w.text);
  });
}

std::size_t records_matching(reading_part part, std::string_view keyword,
                             std::span<record_kind> out) {
  std::size_t n = 0;
  for (const auto& r : records_in(part)) {
    if (n < out.size() && keyword_matches(r, keyword)) out[n++] = r.kind;
  }
  return n;
}

std::span<const section_spec> sections_of(description file) {
  if (file == description::line) return line_sections;
  return train_sections;
}

std::size_t records_under(description file, std::string_view header, std::span<record_kind> out) {
  std::size_t n = 0;
  for (const auto& r : all_records()) {
    if (file_of(r.part) != file || !same_text_nocase(r.section, header)) continue;
    if (n < out.size()) out[n++] = r.kind;
  }
  return n;
}

bool is_km_reference(record_kind kind) {
  return kind == record_kind::reference_tre || kind == record_kind::reference_due ||
         kind == record_kind::reference_uno;
}

const field_spec* field_at(record_kind kind, std::size_t index) {
  const auto fields = record_of(kind).fields;
  return index < fields.size() ? &fields[index] : nullptr;
}

std::string field_label(record_kind kind, std::size_t index) {
  std::string label(record_of(kind).spelling);
  label += ", field " + std::to_string(index + 1);
  if (const auto* f = field_at(kind, index)) {
    label += " '";
    label += f->name;
    label += "'";
  }
  return label;
}

std::string example_line(record_kind kind) {
  const auto& r = record_of(kind);
  std::string line(r.spelling);
  line += ", ";
  line += r.example;
  return line;
}

std::string_view type_name(field_type type) {
  switch (type) {
    case field_type::long_value:
      return "Long";
    case field_type::integer:
      return "Integer";
    case field_type::byte:
      return "Byte";
    case field_type::text:
      break;
  }
  return "Text";
}

std::int64_t type_low(field_type type) {
  switch (type) {
    case field_type::long_value:
      return long_low;
    case field_type::integer:
      return integer_low;
    case field_type::byte:
    case field_type::text:
      break;
  }
  return 0;
}

std::int64_t type_high(field_type type) {
  switch (type) {
    case field_type::long_value:
      return long_high;
    case field_type::integer:
      return integer_high;
    case field_type::byte:
      return 255;
    case field_type::text:
      break;
  }
  return longest_text;
}

bool closes_general_part(std::string_view field) {
  return contains_exact(field, "[") && contains_exact(field, "]") && !field.empty() &&
         field.front() != '-';
}

std::string curve_spelling(bool left, int curvature_class) {
  std::string k(record_of(record_kind::curve).words.front().text);
  k += left ? curve_left_letter.front() : 'd';
  if (curvature_class >= 1 && curvature_class <= 6)
    k += curve_class_digits[static_cast<std::size_t>(curvature_class - 1)];
  return k;
}

std::string repetition_spelling(bool nine_codes) {
  const std::string_view k = record_of(record_kind::repetition).spelling;
  const auto digit = k.find(repetition_four_codes);
  if (!nine_codes || digit == std::string_view::npos) return std::string(k);
  std::string out(k.substr(0, digit));
  out += repetition_nine_codes;
  out += k.substr(digit + repetition_four_codes.size());
  return out;
}

}  // namespace scn
