// Layout of the slowdown order: its rules, the five slowdown rows read back
// as numbers, the stations they name and the prescription notes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "sources/document_lines.h"
#include "sources/slowdown_order_table.h"

namespace scn {
namespace {

const std::vector<std::size_t> order_rules{1, 5, 34, 47, 58, 68, 81};

std::vector<std::string> order() {
  return test::document_lines(fill_slowdown_order);
}

// Text between the rules of table column n (1 to 6).
std::string cell(const std::string& line, std::size_t n) {
  return line.substr(order_rules[n - 1] + 1, order_rules[n] - order_rules[n - 1] - 1);
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A number as the form writes it, with the letter O for zero.
int form_number(std::string text) {
  std::replace(text.begin(), text.end(), 'O', '0');
  return std::stoi(text);
}

struct station {
  const char* name;
  int position;
};

// Stations of the train run in line order, with their positions in metres.
const std::vector<station> stations{
    {"BORGOLAGO", 0},
    {"BIVIO CASTELROSSO", 4500},
    {"PIEVE SANTORSO", 8950},
    {"MOLINETTO", 12050},
    {"VALLEVERDE", 14650},
    {"SAN GIULIO ALTO", 18700},
    {"ROCCAFERMA", 22250},
    {"TORRE DEL PRETE", 28350},
    {"SOLIVO", 35050},
    {"CAMPOLUNGO", 40150},
    {"FONTANELLE DI SOPRA", 45150},
    {"MEZZAVALLE", 47850},
    {"CASELLO DEL RIVO", 51550},
    {"PONTEBRUNO", 56100},
    {"SAN NICOLO'", 60450},
    {"VALDORIA", 65600},
    {"CHIUSA-VERNAGO", 67950},
    {"PRATOSECCO", 69050},
    {"LE GRAZIE", 72050},
    {"ORSARA ALTA", 76150},
    {"PIAN DEI LARICI", 80150},
    {"MONTECASTRO", 82850},
    {"CASE ROVINA", 85050},
    {"SELVANERA", 88250},
    {"FORCELLA BASSA", 91700},
    {"ACQUAFREDDA", 93400},
    {"CIMAPASSO", 100000},
};

std::size_t station_index(const std::string& name) {
  for (std::size_t i = 0; i < stations.size(); ++i) {
    if (name == stations[i].name) return i;
  }
  return stations.size();
}

TEST(SlowdownOrder, RulesAndTableGeometry) {
  const std::vector<std::string> lines = order();
  EXPECT_EQ(lines[3], " " + std::string(80, '_'));
  EXPECT_EQ(lines[8], "  " + std::string(79, '_'));
  EXPECT_EQ(lines[39], lines[12]);
  for (std::size_t i = 9; i <= 39; ++i) {
    EXPECT_EQ(lines[i].size(), 82u) << "line " << i;
    EXPECT_EQ(test::columns_of(lines[i], '|'), order_rules) << "line " << i;
  }
  for (std::size_t i = 18; i <= 38; ++i) {
    for (std::size_t n = 1; n <= 6; ++n) EXPECT_EQ(trimmed(cell(lines[i], n)), "") << i;
  }
  EXPECT_EQ(lines[1], std::string(31, ' ') + "Modulo M. 3");
  EXPECT_EQ(lines[4], "  Linea  BORGOLAGO-CIMAPASSO ");
}

struct slowdown {
  int start;
  int speed;
  int length;
  const char* prescriptions;
};

// The slowdowns the train description declares, in order along the line.
const std::vector<slowdown> slowdowns{
    {38950, 75, 350, "A"},  {56900, 65, 350, "A"}, {75850, 30, 800, "A-B-D"},
    {77600, 65, 50, "A-D"}, {89050, 30, 300, "A"},
};

TEST(SlowdownOrder, SlowdownRowsAgreeWithTheTrainDescription) {
  const std::vector<std::string> lines = order();
  for (std::size_t k = 0; k < slowdowns.size(); ++k) {
    const std::string& line = lines[13 + k];
    const slowdown& expected = slowdowns[k];
    SCOPED_TRACE("line " + std::to_string(13 + k));
    EXPECT_EQ(line.find('0'), std::string::npos) << "zeros are written as the letter O";
    EXPECT_EQ(cell(line, 1), "O" + std::to_string(k + 1) + " ");
    const std::string post = cell(line, 3);
    ASSERT_EQ(post.substr(0, 2), "  ");
    const std::size_t plus = post.find('+');
    ASSERT_NE(plus, std::string::npos);
    EXPECT_EQ(post.find(' ', 2), plus + 4);
    EXPECT_EQ(form_number(post.substr(2, plus - 2)) * 1000 + form_number(post.substr(plus + 1, 3)),
              expected.start);
    EXPECT_EQ(cell(line, 4).substr(0, 3), "   ");
    EXPECT_EQ(form_number(cell(line, 4)), expected.speed);
    EXPECT_EQ(cell(line, 5).substr(6), "   ");
    EXPECT_EQ(form_number(cell(line, 5)), expected.length);
    const std::string letters = expected.prescriptions;
    const std::size_t left = (12 - letters.size()) / 2;
    EXPECT_EQ(cell(line, 6),
              std::string(left, ' ') + letters + std::string(12 - left - letters.size(), ' '));
  }
}

// Column 2 names two neighbouring stations, and the slowdown overlaps the
// stretch between them.
TEST(SlowdownOrder, EachSlowdownNamesTheStationsAroundIt) {
  const std::vector<std::string> lines = order();
  for (std::size_t k = 0; k < slowdowns.size(); ++k) {
    const std::string pair = trimmed(cell(lines[13 + k], 2));
    SCOPED_TRACE(pair);
    EXPECT_EQ(cell(lines[13 + k], 2).find(pair), 0u) << "left-aligned";
    std::size_t from = stations.size();
    for (std::size_t dash = pair.find('-'); dash != std::string::npos;
         dash = pair.find('-', dash + 1)) {
      const std::size_t i = station_index(pair.substr(0, dash));
      if (i + 1 < stations.size() && station_index(pair.substr(dash + 1)) == i + 1) from = i;
    }
    ASSERT_LT(from, stations.size()) << "not two neighbouring stations";
    const int end = slowdowns[k].start + slowdowns[k].length;
    EXPECT_LT(slowdowns[k].start, stations[from + 1].position);
    EXPECT_GT(end, stations[from].position);
  }
}

TEST(SlowdownOrder, NotesComeInTheOrderABDCAndBNamesAStationOfItsRow) {
  const std::vector<std::string> lines = order();
  ASSERT_EQ(lines.size(), 47u);
  EXPECT_EQ(lines[41], std::string(14, ' ') + "Prescrizioni specifiche");
  EXPECT_TRUE(lines[42].starts_with(" A - "));
  EXPECT_TRUE(lines[43].starts_with(" B - Interessa anche la stazione di "));
  EXPECT_TRUE(lines[44].starts_with(" D - "));
  EXPECT_EQ(lines[45], " C - Da rispettare dalle ore ....  alle ore ..... di tutti");
  EXPECT_EQ(lines[46], "     i giorni esclusi i seguenti:.........");
  const std::string named =
      lines[43].substr(std::string(" B - Interessa anche la stazione di ").size());
  bool found = false;
  for (std::size_t k = 0; k < slowdowns.size(); ++k) {
    if (std::string(slowdowns[k].prescriptions).find('B') == std::string::npos) continue;
    const std::string pair = trimmed(cell(lines[13 + k], 2));
    found = found || pair.starts_with(named + "-") || pair.ends_with("-" + named);
  }
  EXPECT_TRUE(found) << named;
  EXPECT_LT(station_index(named), stations.size());
}

}  // namespace
}  // namespace scn
