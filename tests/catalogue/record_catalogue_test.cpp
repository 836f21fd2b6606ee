// The record catalogue against the compiler that dispatches on it: every
// spelling reaches its record, every record reads as many values as the
// catalogue lists, with the types it gives, and the lookups agree with
// what the compiler reads.
#include "catalogue/record_catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "catalogue/keyword_suggestions.h"
#include "compiler/compile_descriptions.h"
#include "compiler/compile_trace.h"
#include "compiler/description_files.h"
#include "model/scenario.h"

namespace scn {
namespace {

// A keyword that matches no test of any part, read after the record under
// test: it shows where the record's values end.
constexpr const char* sentinel = "zzz";

struct traced_compile {
  scenario s;
  compile_trace trace;
};

// The line description with `general` records before its first section
// line and `body` records after it; the train description with `records`.
std::string line_file(const std::vector<std::string>& general, const std::vector<std::string>& body,
                      bool with_length = true) {
  std::string out = "[generale]\r\n";
  if (with_length) out += "lunghezza percorso, 100000\r\n";
  for (const auto& l : general) out += l + "\r\n";
  out += "[curve]\r\n";
  for (const auto& l : body) out += l + "\r\n";
  return out + "[fine]\r\n";
}

std::string train_file(const std::vector<std::string>& records) {
  std::string out = "[generale]\r\n";
  for (const auto& l : records) out += l + "\r\n";
  return out + "[fine]\r\n";
}

void compile_traced(traced_compile& c, std::string line, std::string train) {
  memory_description_files files(std::move(line), std::move(train));
  c.s.line_name = "L";
  c.s.train_number = "1";
  c.s.output_switch = 1;
  memorizza_dati(c.s, files, &c.trace);
}

// Compiles one record line (and a sentinel after it) in the part it belongs
// to; a length record replaces the line's own.
void compile_record(traced_compile& c, reading_part part, const std::string& record,
                    bool is_length = false) {
  const std::vector<std::string> lines = {record, sentinel};
  switch (part) {
    case reading_part::line_general:
      return compile_traced(c, line_file(lines, {}, !is_length), train_file({}));
    case reading_part::line_body:
      return compile_traced(c, line_file({}, lines), train_file({}));
    case reading_part::train:
      return compile_traced(c, line_file({}, {}), train_file(lines));
  }
}

std::vector<std::string> split_values(std::string_view example) {
  std::vector<std::string> out;
  std::string field;
  for (const char ch : example) {
    if (ch == ',') {
      out.push_back(field);
      field.clear();
    } else {
      field += ch;
    }
  }
  out.push_back(field);
  return out;
}

std::string join_values(const std::vector<std::string>& values) {
  std::string out;
  for (const auto& v : values) out += ", " + v;
  return out;
}

// The records of the trace read from the keyword field `keyword`.
std::vector<const traced_record*> records_with_keyword(const compile_trace& t,
                                                       std::string_view keyword) {
  std::vector<const traced_record*> out;
  for (const auto& r : t.records()) {
    if (r.keyword.text == keyword) out.push_back(&r);
  }
  return out;
}

TEST(RecordCatalogue, TableCoversEveryKindOnceInDispatchOrder) {
  std::size_t index = 0;
  for (const auto part :
       {reading_part::line_general, reading_part::line_body, reading_part::train}) {
    for (const auto& r : records_in(part)) {
      EXPECT_EQ(static_cast<std::size_t>(r.kind), index) << r.spelling;
      EXPECT_EQ(r.part, part) << r.spelling;
      EXPECT_EQ(&record_of(r.kind), &r);
      EXPECT_FALSE(r.words.empty());
      EXPECT_FALSE(r.fields.empty());
      EXPECT_FALSE(r.meaning.empty());
      for (const auto& f : r.fields) {
        EXPECT_FALSE(f.name.empty()) << r.spelling;
        EXPECT_FALSE(f.meaning.empty()) << r.spelling << " " << f.name;
        EXPECT_LE(f.low, f.high) << r.spelling << " " << f.name;
        if (f.type != field_type::text) {
          EXPECT_GE(f.low, type_low(f.type)) << r.spelling << " " << f.name;
          EXPECT_LE(f.high, type_high(f.type)) << r.spelling << " " << f.name;
        }
      }
      ++index;
    }
  }
  EXPECT_EQ(index, record_kind_count);
  EXPECT_EQ(all_records().size(), record_kind_count);
}

// Each spelling with its example values compiles into exactly its own
// record, which reads exactly the catalogue's fields: the sentinel after
// them is read as the next keyword.
TEST(RecordCatalogue, EverySpellingDispatchesToItsKindAndReadsItsFields) {
  for (const auto& entry : all_records()) {
    const auto values = split_values(entry.example);
    ASSERT_EQ(values.size(), entry.fields.size()) << entry.spelling;
    traced_compile c;
    compile_record(c, entry.part, std::string(entry.spelling) + join_values(values),
                   entry.kind == record_kind::length);
    SCOPED_TRACE(std::string(entry.spelling));
    EXPECT_EQ(c.s.status_code, 0);
    EXPECT_FALSE(c.trace.failure());
    const auto read = records_with_keyword(c.trace, entry.spelling);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0]->kind, entry.kind);
    EXPECT_EQ(read[0]->file, file_of(entry.part));
    EXPECT_EQ(read[0]->values.size(), entry.fields.size());
    const auto after = records_with_keyword(c.trace, sentinel);
    ASSERT_EQ(after.size(), 1u);
    EXPECT_FALSE(after[0]->kind);
  }
}

// A value one above its type's range fails the reading at that field; the
// largest value of the type does not fail there. Text fields take anything.
TEST(RecordCatalogue, FieldTypesAreTheTypesTheCompilerReads) {
  for (const auto& entry : all_records()) {
    for (std::size_t i = 0; i < entry.fields.size(); ++i) {
      const field_spec& f = entry.fields[i];
      if (f.type == field_type::text) continue;
      SCOPED_TRACE(std::string(entry.spelling) + " field " + std::string(f.name));
      for (const std::int64_t value : {type_high(f.type), type_high(f.type) + 1}) {
        auto values = split_values(entry.example);
        values[i] = std::to_string(value);
        traced_compile c;
        compile_record(c, entry.part, std::string(entry.spelling) + join_values(values),
                       entry.kind == record_kind::length);
        const auto read = records_with_keyword(c.trace, entry.spelling);
        ASSERT_FALSE(read.empty());
        const bool reached = read[0]->values.size() > i;
        const auto& failure = c.trace.failure();
        const bool failed_here = reached && failure &&
                                 failure->where.line == read[0]->values[i].where.line &&
                                 failure->where.column == read[0]->values[i].where.column;
        EXPECT_EQ(failed_here, value > type_high(f.type)) << value;
      }
    }
  }
}

// Keywords that match several tests, none, or only by case: the catalogue's
// answer is the list of records the compiler reads for them.
TEST(RecordCatalogue, MatchingIsWhatTheCompilerReads) {
  const struct {
    reading_part part;
    std::string keyword;
    std::vector<record_kind> expected;
  } cases[] = {
      {reading_part::train, "stazione segnale", {record_kind::signal, record_kind::station}},
      {reading_part::train, "VELOCITA", {record_kind::speed}},
      {reading_part::train, "[aderenze]", {}},
      {reading_part::train, "[stazioni]", {}},
      {reading_part::train, "pendneza", {}},
      {reading_part::line_body, "curva destra 4", {record_kind::curve}},
      {reading_part::line_body,
       "cartello indicatori_vmax",
       {record_kind::speed_post, record_kind::text_board}},
      {reading_part::line_general,
       "progressiva tre due",
       {record_kind::reference_tre, record_kind::reference_due}},
      {reading_part::line_general, "Progressiva tre", {}},
      {reading_part::line_general, "SFONDO UNO", {}},
      {reading_part::line_general, "LUNGHEZZA Percorso", {record_kind::length}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keyword);
    std::array<record_kind, record_kind_count> out{};
    const std::size_t n = records_matching(c.part, c.keyword, out);
    EXPECT_EQ(std::vector<record_kind>(out.begin(), out.begin() + n), c.expected);

    // Values enough for every matched record, all zero: each record takes
    // its own share in dispatch order.
    std::size_t count = 0;
    for (const auto kind : c.expected) count += record_of(kind).fields.size();
    std::string line = c.keyword;
    for (std::size_t i = 0; i < count; ++i) line += ", 0";
    traced_compile t;
    compile_record(t, c.part, line);
    std::vector<record_kind> read;
    for (const auto* r : records_with_keyword(t.trace, c.keyword)) {
      if (!r->kind) continue;
      read.push_back(*r->kind);
      EXPECT_EQ(r->values.size(), record_of(*r->kind).fields.size());
    }
    EXPECT_EQ(read, c.expected);
  }
}

TEST(RecordCatalogue, CurveIsNoRecordWithoutThePlan) {
  traced_compile c;
  memory_description_files files(line_file({}, {"curvad4, 100, 200"}), train_file({}));
  c.s.output_switch = 0;
  memorizza_dati(c.s, files, &c.trace);
  for (const auto& r : c.trace.records()) EXPECT_NE(r.kind, record_kind::curve);
}

TEST(RecordCatalogue, FieldLabelsAndExamples) {
  EXPECT_EQ(field_label(record_kind::station, 2), "stazione, field 3 'length'");
  EXPECT_EQ(field_label(record_kind::signal, 10), "segnale, field 11 'tempo'");
  EXPECT_EQ(field_label(record_kind::sand, 1), "sabbia, field 2");
  EXPECT_EQ(example_line(record_kind::gradient), "pendenza, 850, 4");
}

TEST(RecordCatalogue, SpellingsForEmitting) {
  EXPECT_EQ(curve_spelling(true, 4), "curvas4");
  EXPECT_EQ(curve_spelling(false, 1), "curvad1");
  EXPECT_EQ(repetition_spelling(false), "ripetizione segnali 4 codici");
  EXPECT_EQ(repetition_spelling(true), "ripetizione segnali 9 codici");
  for (const bool nine : {false, true}) {
    std::array<record_kind, record_kind_count> out{};
    ASSERT_EQ(records_matching(reading_part::line_general, repetition_spelling(nine), out), 1u);
    EXPECT_EQ(out[0], record_kind::repetition);
  }
}

TEST(RecordCatalogue, SectionsAndTheirRecords) {
  for (const auto& entry : all_records()) {
    if (entry.section.empty()) continue;
    const auto file = file_of(entry.part);
    bool listed = false;
    for (const auto& s : sections_of(file)) listed = listed || s.header == entry.section;
    EXPECT_TRUE(listed) << entry.spelling;
  }
  std::array<record_kind, record_kind_count> out{};
  ASSERT_EQ(records_under(description::line, "[CARTELLI]", out), 1u);
  EXPECT_EQ(out[0], record_kind::speed_post);
  EXPECT_EQ(records_under(description::line, general_section, out), 8u);
  EXPECT_EQ(records_under(description::train, general_section, out), 4u);
  EXPECT_EQ(records_under(description::train, "[codici]", out), 0u);
  EXPECT_EQ(field_at(record_kind::station, 16)->name, "name");
  EXPECT_EQ(field_at(record_kind::station, 17), nullptr);
  EXPECT_TRUE(closes_general_part("[curve]"));
  EXPECT_FALSE(closes_general_part("-[curve]"));
  EXPECT_FALSE(closes_general_part("[curve"));
}

TEST(KeywordSuggestions, EditDistance) {
  const struct {
    const char* a;
    const char* b;
    std::size_t distance;
  } cases[] = {
      {"", "", 0},
      {"pendenza", "PENDENZA", 0},
      {"pendneza", "pendenza", 1},
      {"stazoine", "stazione", 1},
      {"velocita", "velocit", 1},
      {"abc", "", 3},
      {"", "abc", 3},
      {"kitten", "sitting", 3},
  };
  for (const auto& c : cases) EXPECT_EQ(edit_distance(c.a, c.b), c.distance) << c.a << " " << c.b;
}

TEST(KeywordSuggestions, NearestKeywordsOfAPart) {
  const struct {
    reading_part part;
    const char* field;
    std::vector<record_kind> expected;
  } cases[] = {
      {reading_part::line_body, "pendneza", {record_kind::gradient}},
      {reading_part::train, " stazoine ", {record_kind::station}},
      {reading_part::train, "segnal", {record_kind::signal}},
      {reading_part::train, "pendneza", {}},
      {reading_part::line_general, "lunghezza percoso", {record_kind::length}},
      {reading_part::line_body, "xyzxyzxyz", {}},
  };
  for (const auto& c : cases) {
    std::vector<record_kind> kinds;
    for (const auto& s : nearest_keywords(c.part, c.field, 2)) kinds.push_back(s.kind);
    EXPECT_EQ(kinds, c.expected) << c.field;
  }
}

}  // namespace
}  // namespace scn
