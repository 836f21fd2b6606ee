// Layout of the timetable card: heading boxes, the route table's rules and
// cells, and the places and times of the train run.
#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "sources/document_lines.h"
#include "sources/timetable_card_table.h"

namespace scn {
namespace {

constexpr std::size_t first_row = 16;
constexpr std::size_t last_row = 52;
const std::vector<std::size_t> table_rules{1, 7, 13, 24, 30, 59, 76, 82};

std::vector<std::string> card() {
  return test::document_lines(fill_timetable_card);
}

// Text between the rules of route table column n (1 to 7).
std::string cell(const std::string& line, std::size_t n) {
  return line.substr(table_rules[n - 1] + 1, table_rules[n] - table_rules[n - 1] - 1);
}

bool matches(const std::string& text, const std::regex& pattern) {
  return std::regex_match(text, pattern);
}

// Cell layouts of the route table. A speed is right-aligned with one blank
// after it, and the card writes the 120 of line 17 with the letter O.
const std::regex limit_cell("     | *[1-9][0-9O]* ");
const std::regex speed_cell("     | *[1-9][0-9]* ");
const std::regex post_cell(" *([1-9][0-9]?|0)\\+[0-9]{3}  ");
const std::regex time_cell(
    " {16}| {10}\\d\\d\\.\\d\\d | {5}\\d\\d\\.\\d\\d {6}|"
    " \\d\\d\\.\\d\\d {4}\\d\\d\\.\\d\\d | \\d\\d\\.\\d\\d {10}");
const std::regex rec_cell(" {5}|  [1-9]  ");
const std::regex speed_change_name("(cippo Km|dev\\.u\\.|imb\\.gall\\.|sc\\.ester\\.).*");

TEST(TimetableCard, HeadingBoxesAndTrainData) {
  const std::vector<std::string> lines = card();
  const std::map<std::size_t, std::vector<std::size_t>> rules{
      {3, {1, 21, 67, 82}}, {4, {1, 21, 67, 82}}, {5, {1, 21, 67, 82}}, {6, {67, 82}},
      {8, {1, 21, 36, 56}}, {9, {1, 21, 36, 56}}, {10, {1, 21, 36, 56}}};
  for (const auto& [index, columns] : rules) {
    EXPECT_EQ(test::columns_of(lines[index], '|'), columns) << "line " << index;
  }
  EXPECT_EQ(lines[2], "  " + std::string(19, '_') + std::string(47, ' ') + std::string(14, '_'));
  EXPECT_EQ(lines[3].find("SCHEDA TRENO"), 42u);
  EXPECT_EQ(lines[4].substr(2, 19), "   TRENO n.51827   ");
  EXPECT_EQ(lines[4].substr(41, 26), "da: BORGOLAGO             ");
  EXPECT_EQ(lines[5].substr(42, 25), "a: CIMAPASSO             ");
  EXPECT_EQ(lines[4].substr(68, 14), "    V120 A    ");
  EXPECT_EQ(lines[5].substr(68, 14), "     060%     ");
  EXPECT_EQ(lines[6], std::string(67, ' ') + "|______________|");
  EXPECT_EQ(test::trailing_blanks(lines[8]), 7u);
  EXPECT_EQ(lines[8].size(), 64u);
}

TEST(TimetableCard, RouteTableRulesWidthsAndTrailingBlanks) {
  const std::vector<std::string> lines = card();
  EXPECT_EQ(lines[12], "  " + std::string(80, '_'));
  EXPECT_EQ(lines[56], lines[15]);
  // Blanks after the closing rule: the speed-change rows keep those of the
  // printed card, every other line has none.
  const std::map<std::size_t, std::size_t> extra{{17, 6}, {21, 5}, {23, 3}, {26, 2},
                                                 {28, 4}, {31, 1}, {49, 4}, {51, 1}};
  for (std::size_t i = 13; i <= 56; ++i) {
    const std::string& line = lines[i];
    const std::size_t blanks = extra.contains(i) ? extra.at(i) : 0;
    EXPECT_EQ(line.size(), 83 + blanks) << "line " << i;
    EXPECT_EQ(test::trailing_blanks(line), blanks) << "line " << i;
    EXPECT_EQ(test::columns_of(line, '|'), table_rules) << "line " << i;
  }
  for (std::size_t i = 53; i <= 55; ++i) {
    for (std::size_t n = 1; n <= 7; ++n)
      EXPECT_EQ(cell(lines[i], n).find_first_not_of(' '), std::string::npos);
  }
}

TEST(TimetableCard, RouteRowCellsFollowTheirColumnLayout) {
  const std::vector<std::string> lines = card();
  int previous_metres = -1;
  for (std::size_t i = first_row; i <= last_row; ++i) {
    const std::string& line = lines[i];
    SCOPED_TRACE("line " + std::to_string(i));
    EXPECT_TRUE(matches(cell(line, 1), limit_cell)) << cell(line, 1);
    EXPECT_TRUE(matches(cell(line, 2), speed_cell)) << cell(line, 2);
    EXPECT_EQ(cell(line, 1).size(), 5u);
    const std::string km = cell(line, 3);
    ASSERT_TRUE(matches(km, post_cell)) << km;
    const std::size_t plus = km.find('+');
    const int metres = std::stoi(km.substr(0, plus)) * 1000 + std::stoi(km.substr(plus + 1));
    EXPECT_GT(metres, previous_metres) << "kilometre posts must ascend";
    previous_metres = metres;
    EXPECT_EQ(cell(line, 4), "     ");
    EXPECT_TRUE(matches(cell(line, 6), time_cell)) << cell(line, 6);
    EXPECT_TRUE(matches(cell(line, 7), rec_cell)) << cell(line, 7);
  }
  EXPECT_EQ(cell(lines[17], 1), " 12O ");
}

// Speed-change rows carry a new speed and no time; a kilometre post names
// the post of its own row.
TEST(TimetableCard, SpeedChangeRowsNameTheirPoint) {
  const std::vector<std::string> lines = card();
  std::size_t rows = 0;
  for (std::size_t i = first_row; i <= last_row; ++i) {
    const std::string name = cell(lines[i], 5);
    if (!matches(name, speed_change_name)) continue;
    ++rows;
    SCOPED_TRACE("line " + std::to_string(i));
    EXPECT_EQ(cell(lines[i], 6), std::string(16, ' '));
    EXPECT_NE(cell(lines[i], 1) + cell(lines[i], 2), std::string(10, ' '));
    if (name.starts_with("cippo Km")) {
      std::string post = cell(lines[i], 3);
      post = post.substr(post.find_first_not_of(' '));
      post = post.substr(0, post.find(' '));
      EXPECT_TRUE(name.starts_with("cippo Km " + post) || name.starts_with("cippo Km." + post));
    }
  }
  EXPECT_EQ(rows, 9u);
}

enum class place_kind { origin, passed, stop, destination };

struct place {
  const char* name;
  place_kind kind;
  const char* timed;  // time the train description gives, or ""
};

// The 27 stations of the train run in line order, in the card's own form,
// with the times of the eight timed ones.
const std::vector<place> places{
    {"BORGOLAGO", place_kind::origin, "11.04"},
    {"BIVIO CASTELROSSO", place_kind::passed, ""},
    {"PIEVE SANTORSO", place_kind::passed, ""},
    {"Molinetto", place_kind::passed, ""},
    {"VALLEVERDE", place_kind::stop, "11.26"},
    {"S.GIULIO ALTO", place_kind::passed, ""},
    {"ROCCAFERMA", place_kind::stop, "11.40"},
    {"TORRE DEL PRETE", place_kind::passed, ""},
    {"SOLIVO", place_kind::passed, ""},
    {"CAMPOLUNGO", place_kind::passed, ""},
    {"FONTANELLE DI S.", place_kind::passed, ""},
    {"MEZZAVALLE", place_kind::passed, ""},
    {"Casello del Rivo", place_kind::passed, ""},
    {"PONTEBRUNO", place_kind::stop, "12.25"},
    {"S.NICOLO'", place_kind::passed, ""},
    {"VALDORIA", place_kind::passed, ""},
    {"CHIUSA-VERNAGO", place_kind::passed, ""},
    {"PRATOSECCO", place_kind::stop, "12.42"},
    {"LE GRAZIE", place_kind::passed, ""},
    {"ORSARA ALTA", place_kind::passed, ""},
    {"Pian dei Larici", place_kind::passed, ""},
    {"MONTECASTRO", place_kind::stop, "13.03"},
    {"Case Rovina", place_kind::passed, ""},
    {"SELVANERA", place_kind::passed, ""},
    {"Forcella Bassa", place_kind::passed, ""},
    {"ACQUAFREDDA", place_kind::stop, "13.22"},
    {"CIMAPASSO (SIMULATA)", place_kind::destination, "13.27"},
};

std::string expected_slot(const place& where, const std::string& actual) {
  const std::string time = where.timed;
  switch (where.kind) {
    case place_kind::origin:
      return std::string(10, ' ') + time + " ";
    case place_kind::passed:
      return std::string(5, ' ') + actual.substr(5, 5) + std::string(6, ' ');
    case place_kind::stop:
      return " " + actual.substr(1, 5) + "    " + time + " ";
    case place_kind::destination:
      return " " + time + std::string(10, ' ');
  }
  return {};
}

TEST(TimetableCard, PlaceRowsNameTheStationsInLineOrderWithTheirTimes) {
  const std::vector<std::string> lines = card();
  std::vector<std::size_t> rows;
  for (std::size_t i = first_row; i <= last_row; ++i) {
    if (cell(lines[i], 6) != std::string(16, ' ') && !cell(lines[i], 5).starts_with("culmine")) {
      rows.push_back(i);
    }
  }
  ASSERT_EQ(rows.size(), places.size());
  std::string previous_time = "00.00";
  for (std::size_t k = 0; k < places.size(); ++k) {
    const place& where = places[k];
    const std::string& line = lines[rows[k]];
    SCOPED_TRACE(where.name);
    const std::string name = where.name;
    const char pad = where.kind == place_kind::stop ? '.' : ' ';
    EXPECT_EQ(cell(line, 5), name + std::string(28 - name.size(), pad));
    const std::string slot = cell(line, 6);
    EXPECT_EQ(slot, expected_slot(where, slot));
    for (std::size_t at = 0; at + 5 <= slot.size(); ++at) {
      if (slot[at] == ' ' || (at > 0 && slot[at - 1] != ' ')) continue;
      EXPECT_GE(slot.substr(at, 5), previous_time) << "times must not go back";
      previous_time = slot.substr(at, 5);
    }
  }
  EXPECT_EQ(lines[rows.front()].substr(70, 5), "11.04");
  EXPECT_EQ(lines[rows.back()].substr(61, 5), "13.27");
}

}  // namespace
}  // namespace scn
