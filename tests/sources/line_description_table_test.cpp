// Shape of the scenario's line description table: sections, quoted rows, the
// layout of each section and the counts and ranges that describe the line.
#include "sources/line_description_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sources/table_rows.h"

namespace scn {
namespace {

using test::split_fields;
using test::to_int;

struct Section {
  std::size_t header;  // index of the section line
  std::size_t last;    // index of the section's last record
};

constexpr Section general{0, 8};
constexpr Section curves{9, 192};
constexpr Section gradients{193, 365};
constexpr Section spans{366, 406};
constexpr Section posts{407, 417};
constexpr Section boards{418, 469};

class LineDescriptionTable : public ::testing::Test {
 protected:
  LineDescriptionTable() {
    lines_[472] = "untouched";
    lines_[1000] = "untouched";
    fill_line_description(lines_);
  }

  std::vector<std::vector<std::string>> records(Section section) const {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = section.header + 1; i <= section.last; ++i) {
      rows.push_back(split_fields(lines_[i]));
    }
    return rows;
  }

  text_lines lines_;
};

TEST_F(LineDescriptionTable, SectionLinesAndEndMarkerStandAtTheirIndices) {
  const std::vector<std::pair<std::size_t, std::string_view>> expected = {
      {0, "[generale]"},   {9, "[curve]"},         {193, "[pendenze]"}, {366, "[montagne]"},
      {407, "[cartelli]"}, {418, "[indicazioni]"}, {470, "[fine]"},     {471, end_marker},
      {472, "untouched"},  {1000, "untouched"}};
  for (const auto& [index, text] : expected) {
    EXPECT_EQ(lines_[index], text) << "index " << index;
  }
  for (std::size_t i = 0; i < line_description_line_count; ++i) {
    const std::string& line = lines_[i];
    EXPECT_FALSE(line.empty()) << "index " << i;
    EXPECT_NE(line, end_marker) << "index " << i;
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "index " << i;
    // The degree sign of tunnel ordinals is the only byte outside 7-bit ASCII.
    for (const char c : line) {
      const auto byte = static_cast<unsigned char>(c);
      EXPECT_TRUE((byte >= 0x20 && byte < 0x7F) || byte == 0xB0) << "index " << i;
    }
  }
}

TEST_F(LineDescriptionTable, QuotedRowsStandInTheirSections) {
  struct Quoted {
    std::string_view text;
    std::size_t first;  // the row must stand somewhere in first..last
    std::size_t last;
  };
  const std::vector<Quoted> quoted = {
      {"lunghezza percorso,    100000", 1, 1},
      {"progressiva chilometrica uno,    0,    0,    0", 2, 2},
      {"progressiva chilometrica due,    0,    0,    0", 3, 3},
      {"progressiva chilometrica tre,    0,    0,    0", 4, 4},
      {"sfondo uno,    1", 5, 5},
      {"sfondo due,    20000", 6, 6},
      {"sfondo tre,    30500", 7, 7},
      {"ripetizione segnali 4 codici,    0    ,0", 8, 8},
      {"curvad4,  2150,  100", 10, 10},
      {"curvad4,  23100,  1150", 11, 191},
      {"curvas6,  97400,  300", 192, 192},
      {"pendenza,  850,   4", 194, 194},
      {"pendenza,  2150,   7", 195, 195},
      {"pendenza,  16000,   -3", 196, 364},
      {"pendenza,  69950,   22", 196, 364},
      {"pendenza,  86700,   0", 196, 364},
      {"pendenza,  93950,   -20", 365, 365},
      {"montagna,   31050,  31150,  12", 367, 367},
      {"montagna,   67300,  67700,  1", 368, 404},
      {"montagna,   94300,  94850,  1", 405, 405},
      {"montagna,   95100,  95300,  2", 406, 406},
      {"indicatori_vmax,  600,  90,  95,  95,  0,  ,  ,  ,  0", 408, 408},
      {"indicatori_vmax,  1200,  120,  140,  140,  0,  ,  ,  ,  0", 409, 409},
      {"indicatori_vmax,  12250,  95,  100,  100,  0,  ,  ,  ,  0", 410, 410},
      {"indicatori_vmax,  16150,  110,  115,  115,  0,  ,  ,  ,  0", 411, 411},
      {"indicatori_vmax,  27550,  90,  95,  95,  0,  ,  ,  ,  0", 412, 412},
      {"indicatori_vmax,  28750,  100,  105,  105,  0,  ,  ,  ,  0", 413, 413},
      {"indicatori_vmax,  40500,  75,  80,  80,  0,  ,  ,  ,  0", 414, 414},
      {"indicatori_vmax,  69450,  70,  75,  75,  0,  ,  ,  ,  0", 415, 415},
      {"indicatori_vmax,  92450,  60,  60,  60,  0,  ,  ,  ,  0", 416, 416},
      {"indicatori_vmax,  94050,  70,  75,  75,  0,  ,  ,  ,  0", 417, 417},
      // The tunnel whose mouth the timetable card names at km 67+300.
      {"cartello_indicatore,  67000,   ( GALLERIA MONTE )(     CHIUSO     )(Mt.385 Km.67+300)", 419,
       468},
      {"cartello_indicatore,  86750,   ( CULMINE )(Km.86+750)", 419, 468},
      {"cartello_indicatore,  95050,   (GALLERIA ARTIF.)(Mt140 Km.95+137)", 469, 469},
  };
  for (const auto& row : quoted) {
    const auto begin = lines_.begin() + static_cast<std::ptrdiff_t>(row.first);
    const auto end = lines_.begin() + static_cast<std::ptrdiff_t>(row.last) + 1;
    EXPECT_NE(std::find(begin, end, row.text), end) << row.text;
  }
}

TEST_F(LineDescriptionTable, EachSectionKeepsOneLayout) {
  struct Layout {
    Section section;
    std::size_t field_count;
    std::vector<std::string_view> separators;
  };
  const std::vector<Layout> layouts = {
      {curves, 3, {",  ", ",  "}},
      {gradients, 3, {",  ", ",   "}},
      {spans, 4, {",   ", ",  ", ",  "}},
      {boards, 3, {",  ", ",   "}},
  };
  for (const auto& layout : layouts) {
    for (std::size_t i = layout.section.header + 1; i <= layout.section.last; ++i) {
      const auto fields = split_fields(lines_[i]);
      ASSERT_EQ(fields.size(), layout.field_count) << lines_[i];
      EXPECT_EQ(test::join_fields(fields, layout.separators), lines_[i]);
      for (std::size_t f = 1; f < fields.size(); ++f) {
        if (layout.section.header == boards.header && f == 2) continue;  // the board's text
        EXPECT_NO_THROW(to_int(fields[f])) << lines_[i];
      }
    }
  }
  for (const auto& row : records(gradients)) EXPECT_EQ(row[0], "pendenza");
  for (const auto& row : records(spans)) EXPECT_EQ(row[0], "montagna");
  for (const auto& row : records(posts)) EXPECT_EQ(row[0], "indicatori_vmax");
  for (const auto& row : records(boards)) EXPECT_EQ(row[0], "cartello_indicatore");
}

TEST_F(LineDescriptionTable, CurvesRunUpTheLineTighterTowardsTheTop) {
  // (direction letter, class digit) -> rows
  const std::map<std::string, int> expected = {{"s6", 56}, {"d6", 51}, {"s5", 25}, {"d5", 22},
                                               {"s4", 10}, {"d4", 14}, {"s3", 3},  {"d3", 2}};
  std::map<std::string, int> counted;
  std::int32_t previous_end = 0;
  std::vector<std::int32_t> lengths;
  for (const auto& row : records(curves)) {
    ASSERT_EQ(row[0].size(), 7u) << row[0];
    ASSERT_EQ(row[0].substr(0, 5), "curva");
    ++counted[row[0].substr(5)];
    const std::int32_t start = to_int(row[1]);
    const std::int32_t length = to_int(row[2]);
    EXPECT_GE(start, previous_end) << "curve at " << start << " overlaps the one before";
    if (row[0][6] == '6') {
      EXPECT_GT(start, 41000) << "class 6 curve at " << start;
    }
    previous_end = start + length;
    lengths.push_back(length);
  }
  EXPECT_EQ(counted, expected);
  EXPECT_EQ(*std::min_element(lengths.begin(), lengths.end()), 50);
  EXPECT_EQ(*std::max_element(lengths.begin(), lengths.end()), 1150);
  EXPECT_EQ(std::count(lengths.begin(), lengths.end(), 1150), 1);
}

TEST_F(LineDescriptionTable, GradientsClimbToTheSummitAndFallAfterIt) {
  constexpr std::int32_t summit = 86700;
  std::map<std::int32_t, int> value_rows;
  std::int32_t previous = 0;
  std::int32_t first_fall = 0;
  std::int32_t first_steepest = 0;
  for (const auto& row : records(gradients)) {
    const std::int32_t position = to_int(row[1]);
    const std::int32_t value = to_int(row[2]);
    EXPECT_GT(position, previous);
    EXPECT_EQ(position % 50, 0) << position;
    EXPECT_GE(value, -22) << position;
    EXPECT_LE(value, 22) << position;
    if (position > summit) {
      EXPECT_LE(value, 0) << "climb after the summit at " << position;
    }
    if (value < 0 && first_fall == 0) first_fall = position;
    if (value == 22 && first_steepest == 0) first_steepest = position;
    ++value_rows[value];
    previous = position;
  }
  EXPECT_EQ(records(gradients).size(), 172u);
  EXPECT_EQ(first_fall, 16000);
  EXPECT_EQ(first_steepest, 69950);
  EXPECT_EQ(value_rows[0], 26);
  EXPECT_GT(value_rows[-22], 0);
  for (const auto& [value, rows] : value_rows) {
    if (value != 0) {
      EXPECT_LT(rows, 26) << "value " << value << " outnumbers level track";
    }
  }
}

TEST_F(LineDescriptionTable, BackdropSpansFollowTheTunnels) {
  const std::map<std::int32_t, int> expected_types = {{1, 15}, {2, 15}, {11, 4}, {12, 6}};
  std::map<std::int32_t, int> types;
  std::int32_t previous_end = 0;
  int close_to_previous = 0;
  std::vector<std::int32_t> lengths;
  for (const auto& row : records(spans)) {
    const std::int32_t start = to_int(row[1]);
    const std::int32_t end = to_int(row[2]);
    EXPECT_GE(start, 31050);
    EXPECT_GT(start, previous_end) << "span at " << start;
    if (previous_end != 0 && start - previous_end <= 150) ++close_to_previous;
    lengths.push_back(end - start);
    ++types[to_int(row[3])];
    previous_end = end;
  }
  EXPECT_EQ(records(spans).size(), 40u);
  EXPECT_EQ(types, expected_types);
  EXPECT_EQ(close_to_previous, 8);
  EXPECT_EQ(*std::min_element(lengths.begin(), lengths.end()), 50);
  EXPECT_EQ(*std::max_element(lengths.begin(), lengths.end()), 750);
}

// The contents of the parenthesised groups of a board text, blanks kept; empty
// when the text is not a plain run of groups.
std::vector<std::string> board_groups(std::string_view text) {
  std::vector<std::string> groups;
  while (!text.empty()) {
    const auto close = text.find(')');
    if (text.front() != '(' || close == std::string_view::npos) return {};
    const std::string_view content = text.substr(1, close - 1);
    if (content.find('(') != std::string_view::npos) return {};
    groups.emplace_back(content);
    text.remove_prefix(close + 1);
  }
  return groups;
}

// Kilometric position in metres written in a group ("Km.52+935", "Km:43+610",
// "K.62+140", "Km.52"); -1 when there is none.
std::int32_t kilometric_position(std::string_view group) {
  auto at = group.find('K');
  if (at == std::string_view::npos) return -1;
  group.remove_prefix(at + 1);
  if (!group.empty() && group.front() == 'm') group.remove_prefix(1);
  if (group.empty() || (group.front() != '.' && group.front() != ':')) return -1;
  group.remove_prefix(1);
  const std::string km = test::trim_blanks(group.substr(0, group.find('+')));
  const auto plus = group.find('+');
  const std::int32_t metres =
      plus == std::string_view::npos ? 0 : to_int(test::trim_blanks(group.substr(plus + 1)));
  return to_int(km) * 1000 + metres;
}

TEST_F(LineDescriptionTable, TextBoardsAnnounceStructuresAhead) {
  // (groups, padded width) -> rows
  const std::map<std::pair<std::size_t, std::size_t>, int> expected_widths = {
      {{3, 16}, 27}, {{3, 15}, 21}, {{3, 11}, 1}, {{2, 9}, 1}, {{2, 15}, 1}};
  const std::vector<std::string_view> structures = {"GALLERIA", "VIADOTTO", "PONTE IN FERRO"};
  std::map<std::pair<std::size_t, std::size_t>, int> widths;
  std::int32_t previous = 0;
  for (const auto& row : records(boards)) {
    const std::int32_t position = to_int(row[1]);
    EXPECT_GT(position, previous);
    EXPECT_EQ(position % 50, 0) << position;
    const auto groups = board_groups(row[2]);
    ASSERT_FALSE(groups.empty()) << row[2];
    for (const auto& group : groups) {
      // Every group is centred in the row's width, an odd blank going to the right.
      const std::string content = test::trim_blanks(group);
      const std::size_t pad = groups.front().size() - content.size();
      EXPECT_EQ(group, std::string(pad / 2, ' ') + content + std::string(pad - pad / 2, ' '))
          << row[2];
    }
    ++widths[{groups.size(), groups.front().size()}];
    const std::int32_t km = kilometric_position(groups.back());
    EXPECT_GE(km, position) << row[2];
    EXPECT_LE(km, position + 500) << row[2];
    if (groups.size() == 3) {
      const std::string kind = test::trim_blanks(groups.front());
      EXPECT_TRUE(std::any_of(structures.begin(), structures.end(), [&](std::string_view s) {
        return kind.starts_with(s);
      })) << row[2];
      EXPECT_TRUE(test::trim_blanks(groups.back()).starts_with("Mt")) << row[2];
    }
    previous = position;
  }
  EXPECT_EQ(widths, expected_widths);
  EXPECT_EQ(records(boards).front()[1], "31000");
  EXPECT_EQ(records(boards).back()[1], "95050");
}

}  // namespace
}  // namespace scn
