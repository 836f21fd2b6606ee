// The order in which the compiler reads, checks and stores the values of a
// record, and what a failure leaves in the model: a value read into a model
// field stays there when a later field fails, a check fires before the
// fields after it are read.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "compiler/compile_fixture.h"
#include "compiler/compile_status.h"
#include "model/cell_kind.h"

namespace scn {
namespace {

using testing::compile;
using testing::crlf;
using testing::line_text;

const std::string plain_line = line_text({});

// A train description that ends right after `tail`: no closing line, so a
// record cut short meets the end of the file.
std::string train_ending_with(const std::string& tail) {
  return "[generale]\r\nvelocita, 0, 90\r\n" + tail;
}

// The station fields as the row holds them, for comparisons.
struct station_row {
  std::int32_t position = 0;
  std::uint8_t kind = 0;
  std::uint8_t flag_a = 0, flag_e = 0, flag_d = 0;
  std::int16_t word_a = 0, word_b = 0;
  std::uint8_t flag_b = 0;
  std::int16_t word_c = 0, word_d = 0, word_e = 0;
  std::uint8_t flag_c = 0;
  std::int32_t number = 0;
  std::string text;
  std::int32_t start = 0, end = 0;
  bool operator==(const station_row&) const = default;
};

station_row row_of(const item_record& r) {
  station_row o;
  o.position = r.position;
  o.kind = r.kind;
  o.flag_a = r.flag_a;
  o.flag_e = r.flag_e;
  o.flag_d = r.flag_d;
  o.word_a = r.word_a;
  o.word_b = r.word_b;
  o.flag_b = r.flag_b;
  o.word_c = r.word_c;
  o.word_d = r.word_d;
  o.word_e = r.word_e;
  o.flag_c = r.flag_c;
  o.number = r.number;
  o.text = r.text;
  o.start = r.start;
  o.end = r.end;
  return o;
}

// A row holding the station values in file order up to `flag_c` (position,
// kind, flag_a, flag_e, flag_d, word_a, word_b, flag_b, word_c, word_d,
// word_e, flag_c) as far as `values` goes, zero after, and the time of day.
station_row stored(std::initializer_list<std::int32_t> values, std::int32_t number = 0) {
  std::array<std::int32_t, 12> v{};
  std::copy(values.begin(), values.end(), v.begin());
  const auto byte = [](std::int32_t x) { return static_cast<std::uint8_t>(x); };
  const auto word = [](std::int32_t x) { return static_cast<std::int16_t>(x); };
  item_record r;
  r.position = v[0];
  r.kind = byte(v[1]);
  r.flag_a = byte(v[2]);
  r.flag_e = byte(v[3]);
  r.flag_d = byte(v[4]);
  r.word_a = word(v[5]);
  r.word_b = word(v[6]);
  r.flag_b = byte(v[7]);
  r.word_c = word(v[8]);
  r.word_d = word(v[9]);
  r.word_e = word(v[10]);
  r.flag_c = byte(v[11]);
  r.number = number;
  return row_of(r);
}

void PrintTo(const station_row& r, std::ostream* os) {
  *os << "{position " << r.position << ", kind " << int{r.kind} << ", flags " << int{r.flag_a}
      << " " << int{r.flag_e} << " " << int{r.flag_d} << " " << int{r.flag_b} << " "
      << int{r.flag_c} << ", words " << r.word_a << " " << r.word_b << " " << r.word_c << " "
      << r.word_d << " " << r.word_e << ", number " << r.number << ", text size " << r.text.size()
      << ", area " << r.start << " " << r.end << "}";
}

TEST(ReadingOrder, StationChecksComeBeforeTheFieldsAfterThem) {
  const struct {
    const char* name;
    std::string tail;
    std::int32_t status;
    std::int32_t position;
    station_row row;
  } cases[] = {
      {"position not a multiple of 50, record cut short", "stazione, 4525, 12",
       status_station_position, 4525, stored({4525})},
      {"position not a multiple of 50, malformed kind", "stazione, 4525, x, y\r\n[fine]\r\n",
       status_station_position, 4525, stored({4525})},
      {"position beyond the model, kind too large for a byte",
       "stazione, 106250, 300, 100\r\n[fine]\r\n", status_beyond_line, 106250, stored({106250})},
      {"length not a multiple of 100, flag too large for a byte",
       "stazione, 4500, 12, 650, 300\r\n[fine]\r\n", status_station_length, 4500,
       stored({4500, 12})},
      {"length not a multiple of 100, record cut short", "stazione, 4500, 12, 650",
       status_station_length, 4500, stored({4500, 12})},
  };
  for (const auto& c : cases) {
    auto r = compile(plain_line, train_ending_with(c.tail));
    EXPECT_EQ(r.s.status_code, c.status) << c.name;
    EXPECT_EQ(r.s.status_position, c.position) << c.name;
    EXPECT_EQ(row_of(r.s.items[1]), c.row) << c.name;
    EXPECT_FALSE(r.files.exists(description::train)) << c.name;
  }
  // Beyond the model the half finishes as at a normal end: the speed tail runs.
  auto beyond = compile(plain_line, train_ending_with("stazione, 106250, 300, 100"));
  EXPECT_EQ(beyond.s.track_cells[2137].speed_limit, 18);
}

TEST(ReadingOrder, StationFailureKeepsTheFieldsReadBeforeIt) {
  const std::string fields = "stazione, 14650, 12, 600, 3, 1, 2, 5, 6, 7, 8, 9, 10, 11";
  const station_row through_flag_c = stored({14650, 12, 3, 1, 2, 5, 6, 7, 8, 9, 10, 11});
  const station_row through_time = stored({14650, 12, 3, 1, 2, 5, 6, 7, 8, 9, 10, 11}, 30615);
  const struct {
    const char* name;
    std::string tail;
    station_row row;
  } cases[] = {
      {"byte kind out of range", "stazione, 14650, 256, 600", stored({14650})},
      {"cut short after the third flag", "stazione, 14650, 12, 600, 3, 1, 2",
       stored({14650, 12, 3, 1, 2})},
      {"second word out of range", "stazione, 14650, 12, 600, 3, 1, 2, 5, 40000, 7",
       stored({14650, 12, 3, 1, 2, 5})},
      {"cut short inside the time", fields + ", 8, 30", through_flag_c},
      {"time beyond 32 bits", fields + ", 600000, 0, 0, X", through_flag_c},
      {"cut short before the name", fields + ", 8, 30, 15", through_time},
      {"name longer than an item text", fields + ", 8, 30, 15, " + std::string(65536, 'N'),
       through_time},
  };
  for (const auto& c : cases) {
    auto r = compile(plain_line,
                     train_ending_with("stazione, 5000, 28, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                                       "0, 0, PRIMA\r\n" +
                                       c.tail));
    EXPECT_EQ(r.s.status_code, status_input_failure) << c.name;
    EXPECT_EQ(row_of(r.s.items[2]), c.row) << c.name;
    EXPECT_EQ(r.s.items[1].text, "PRIMA") << c.name;
    EXPECT_EQ(r.s.track_cells[298].kind, 0) << c.name;  // no stop cell
    EXPECT_FALSE(r.files.exists(description::train)) << c.name;
  }
  auto whole = compile(
      plain_line, train_ending_with(fields + ", 8, 30, 15, " + std::string(65535, 'N') + "\r\n"));
  EXPECT_EQ(whole.s.status_code, 0);
  EXPECT_EQ(whole.s.items[1].text.size(), 65535u);
}

TEST(ReadingOrder, StationAreaBoundsAreStoredOneByOne) {
  const struct {
    const char* name;
    std::string record;
    std::int32_t start, end;
  } cases[] = {
      // End first, then the start that leaves 32 bits.
      {"kind 5", "stazione, -2147483000, 5, 1000", 0, -2147482850},
      // Start first, then the end that leaves 32 bits.
      {"kind 8", "stazione, 1000, 8, 2147483600", -2147482600, 0},
  };
  for (const auto& c : cases) {
    auto r = compile(plain_line,
                     train_ending_with(c.record + ", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, X"));
    EXPECT_EQ(r.s.status_code, status_input_failure) << c.name;
    EXPECT_EQ(r.s.items[1].start, c.start) << c.name;
    EXPECT_EQ(r.s.items[1].end, c.end) << c.name;
    EXPECT_EQ(r.s.items[1].text, "X") << c.name;
  }
}

TEST(ReadingOrder, OtherRecordsKeepWhatTheyStored) {
  const struct {
    const char* name;
    std::optional<std::string> line, train;
    int row;
    std::int32_t start, end, position;
    std::int16_t word_c, word_d;
  } cases[] = {
      {"reference cut short",
       crlf({"[generale]", "lunghezza percorso, 100000"}) +
           "progressiva chilometrica uno, 5000, 2000",
       testing::empty_train, km_reference_uno_row, 5000, 2000, 0, 0, 0},
      {"repetition cut short",
       crlf({"[generale]", "lunghezza percorso, 100000"}) + "ripetizione segnali 4 codici, 100",
       testing::empty_train, train_row, 100, 0, 0, 0, 0},
      {"clock cut short", plain_line, train_ending_with("orologio, 11, 3"), train_row, 0, 0, 0, 11,
       3},
      {"clock value out of range", plain_line, train_ending_with("orologio, 11, 40000, 0\r\n"),
       train_row, 0, 0, 0, 11, 0},
  };
  for (const auto& c : cases) {
    auto r = compile(c.line, c.train);
    EXPECT_EQ(r.s.status_code, status_input_failure) << c.name;
    const auto& item = r.s.items[c.row];
    EXPECT_EQ(item.start, c.start) << c.name;
    EXPECT_EQ(item.end, c.end) << c.name;
    EXPECT_EQ(item.position, c.position) << c.name;
    EXPECT_EQ(item.word_c, c.word_c) << c.name;
    EXPECT_EQ(item.word_d, c.word_d) << c.name;
  }
  // Values read into working values are not stored when the record fails.
  auto signal = compile(plain_line, train_ending_with("segnale, 2450, 1, 3, 0, 0, 0, 0, 0, 0, 0"));
  EXPECT_EQ(signal.s.status_code, status_input_failure);
  EXPECT_EQ(signal.s.track_cells[50].kind, 0);
  EXPECT_EQ(signal.s.track_cells[48].approach, 0);
}

TEST(ReadingOrder, ReferenceRaiseFailsOnTheRowsInPlace) {
  const struct {
    const char* name;
    std::string uno, due, tre;
    std::int32_t rows[3][3];  // 81, 82, 83 after the failure
  } cases[] = {
      {"sorted by first value, first row raised",
       "3000, 200, 1",
       "1000, 2147483600, 1",
       "2000, 2147483600, 1",
       {{3000, 300, 1}, {2000, 2147483600, 1}, {1000, 2147483600, 1}}},
      {"rows 81 and 83 exchanged, first row raised",
       "0, 1500, 1",
       "0, 0, 0",
       "0, 2147483600, 1",
       {{0, 1600, 1}, {0, 0, 0}, {0, 2147483600, 1}}},
      {"the first row itself fails",
       "0, 2147483600, 1",
       "0, 0, 0",
       "0, 50, 1",
       {{0, 2147483600, 1}, {0, 0, 0}, {0, 50, 1}}},
  };
  for (const auto& c : cases) {
    auto r = compile(
        crlf({"[generale]", "lunghezza percorso, 100000", "progressiva chilometrica uno, " + c.uno,
              "progressiva chilometrica due, " + c.due, "progressiva chilometrica tre, " + c.tre,
              "[curve]", "pendenza, 850, 4", "[fine]"}));
    EXPECT_EQ(r.s.status_code, status_input_failure) << c.name;
    for (int i = 0; i < 3; ++i) {
      const auto& row = r.s.items[km_reference_tre_row + i];
      EXPECT_EQ(row.start, c.rows[i][0]) << c.name << ", row " << km_reference_tre_row + i;
      EXPECT_EQ(row.end, c.rows[i][1]) << c.name << ", row " << km_reference_tre_row + i;
      EXPECT_EQ(row.position, c.rows[i][2]) << c.name << ", row " << km_reference_tre_row + i;
    }
    EXPECT_EQ(r.s.track_cells[0].gradient, 0) << c.name;  // the body was never read
    EXPECT_FALSE(r.files.exists(description::line)) << c.name;
    EXPECT_FALSE(r.files.exists(description::train)) << c.name;
  }
}

TEST(ReadingOrder, LongFieldsAreSkippedUnlessStoredAsItemText) {
  const std::string huge(70000, 'z');
  const std::string gradient_line = line_text({"pendenza, 850, 4"});
  const struct {
    const char* name;
    std::string line, train;
    std::uint8_t speed;  // speed limit of the last profile cell
  } cases[] = {
      {"before [generale]", huge + "\r\n" + gradient_line, testing::empty_train, 0},
      {"in the general part",
       crlf({"[generale]", huge, "lunghezza percorso, 100000", "[curve]", "pendenza, 850, 4"}),
       testing::empty_train, 0},
      {"dash comment in the general part",
       crlf(
           {"[generale]", "-" + huge, "lunghezza percorso, 100000", "[curve]", "pendenza, 850, 4"}),
       testing::empty_train, 0},
      {"in the body", line_text({huge, "pendenza, 850, 4"}), testing::empty_train, 0},
      {"dash comment in the body", line_text({"-" + huge, "pendenza, 850, 4"}),
       testing::empty_train, 0},
      {"in the train description", gradient_line,
       train_ending_with(huge + ", velocita, 1000, 120\r\n[fine]\r\n"), 24},
  };
  for (const auto& c : cases) {
    auto r = compile(c.line, c.train);
    EXPECT_EQ(r.s.status_code, 0) << c.name;
    EXPECT_EQ(r.s.track_cells[17].gradient, 104) << c.name;
    EXPECT_EQ(r.s.track_cells[2137].speed_limit, c.speed) << c.name;
  }

  auto longest = compile(line_text({"cartello_indicatore, 31000, " + std::string(65535, 'b')}));
  EXPECT_EQ(longest.s.status_code, 0);
  EXPECT_EQ(longest.s.items[80].text.size(), 65535u);

  // The text is the last thing the record stores: the cell is already the board's.
  auto board = compile(line_text({"cartello_indicatore, 31000, (first)",
                                  "cartello_indicatore, 32000, " + std::string(65536, 'b')}));
  EXPECT_EQ(board.s.status_code, status_input_failure);
  EXPECT_EQ(board.s.items[80].text, "(first)");
  EXPECT_EQ(board.s.items[79].text, "");
  EXPECT_EQ(board.s.track_cells[641].kind, code(cell_kind::text_board));
  EXPECT_EQ(board.s.track_cells[641].value1, 79);
}

TEST(ReadingOrder, LineLengthMustLeavePlanPointOne) {
  const struct {
    const char* name;
    std::string line;
    std::int32_t output_switch;
    std::int32_t status;
  } cases[] = {
      {"-7000 with the plan", line_text({}, -7000), 1, status_input_failure},
      {"-7010 with the plan", line_text({}, -7010), 1, status_input_failure},
      {"-6999 with the plan", line_text({}, -6999), 1, 0},
      {"-7000 without the plan", line_text({}, -7000), 0, 0},
      {"-7010 after a usable length",
       crlf({"[generale]", "lunghezza percorso, 1000", "lunghezza percorso, -7010", "[curve]"}), 1,
       status_input_failure},
      {"-7000 after a usable length",
       crlf({"[generale]", "lunghezza percorso, 1000", "lunghezza percorso, -7000", "[curve]"}), 1,
       status_input_failure},
      {"-7000 corrected by a later length",
       crlf({"[generale]", "lunghezza percorso, -7000", "lunghezza percorso, 1000", "[curve]"}), 1,
       0},
  };
  for (const auto& c : cases) {
    auto r = compile(c.line, testing::empty_train, c.output_switch);
    EXPECT_EQ(r.s.status_code, c.status) << c.name;
    EXPECT_FALSE(r.files.exists(description::line)) << c.name;
    if (c.status == status_input_failure) {
      EXPECT_FALSE(has_cells(r.s)) << c.name;
      EXPECT_FALSE(r.files.exists(description::train)) << c.name;
    }
  }
}

}  // namespace
}  // namespace scn
