// Shape of the scenario's train description table: sections, quoted rows and
// every speed, station and signal row with its values and written layout.
#include "sources/train_description_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sources/table_rows.h"

namespace scn {
namespace {

using test::right_aligned;

class TrainDescriptionTable : public ::testing::Test {
 protected:
  TrainDescriptionTable() {
    lines_[120] = "untouched";
    fill_train_description(lines_);
  }

  text_lines lines_;
};

TEST_F(TrainDescriptionTable, SectionLinesQuotedRowsAndEndMarker) {
  const std::vector<std::pair<std::size_t, std::string_view>> expected = {
      {0, "[generale]"},
      {1, "numero vetture,    10"},
      {2, "percentuale massa frenata,    60"},
      {3, "sabbia,    300"},
      {4, "orologio,    11              3             0 "},
      {5, "[aderenze]"},
      {6, "aderenza,   0,    100"},
      {7, "aderenza,   14000,    95"},
      {8, "aderenza,   28000,    90"},
      {9, "aderenza,   42000,    85"},
      {10, "aderenza,   56000,    80"},
      {11, "[vel_limite]"},
      {40, "[stazioni]"},
      {68, "[rallentamenti]"},
      {69, "rallentamento,   38950,    75,  350, 1,  0,  0"},
      {70, "rallentamento,   56900,    65,  350, 1,  0,  0"},
      {71, "rallentamento,   75850,    30,  800, 1,  0,  0"},
      {72, "rallentamento,   77600,    65,   50, 1,  0,  0"},
      {73, "rallentamento,   89050,    30,  300, 1,  0,  0"},
      {74, "[segnali]"},
      {75, "segnale,    2450,   1, 3, 0,  0, 0,    0,  0,0,0, 0"},
      {117, "[codici]"},
      {118, "[fine]"},
      {119, end_marker},
      {120, "untouched"},
  };
  for (const auto& [index, text] : expected) {
    EXPECT_EQ(lines_[index], text) << "index " << index;
  }
  for (std::size_t i = 0; i < train_description_line_count; ++i) {
    EXPECT_NE(lines_[i], end_marker) << "index " << i;
    for (const char c : lines_[i]) {
      const auto byte = static_cast<unsigned char>(c);
      EXPECT_TRUE(byte >= 0x20 && byte < 0x7F) << "index " << i;
    }
  }
}

TEST_F(TrainDescriptionTable, SpeedRowsRightAlignPositionAndSpeed) {
  constexpr std::array<std::pair<std::int32_t, std::int32_t>, 28> speeds = {{
      {0, 90},      {1200, 120},  {3650, 30},   {4500, 120}, {12250, 95}, {13750, 30}, {14650, 90},
      {16150, 110}, {21400, 30},  {22250, 110}, {27550, 90}, {27600, 30}, {28350, 90}, {28750, 100},
      {39250, 30},  {40150, 100}, {40500, 75},  {47200, 30}, {47850, 75}, {55400, 30}, {56100, 75},
      {67500, 30},  {69800, 70},  {87200, 30},  {88250, 70}, {92500, 30}, {93400, 60}, {94050, 70},
  }};
  for (std::size_t i = 0; i < speeds.size(); ++i) {
    const auto [position, speed] = speeds[i];
    EXPECT_EQ(lines_[12 + i],
              "velocita," + right_aligned(position, 8) + "," + right_aligned(speed, 6));
  }
}

struct StationRow {
  std::array<std::int32_t, 16> values;  // position, kind, length, ten attributes, h, m, s
  std::string_view name;
};

// Column widths of the sixteen numbers of a station row; the name follows one blank.
constexpr std::array<std::size_t, 16> station_widths = {8, 3, 5, 2, 2, 2, 2, 2,
                                                        2, 2, 2, 2, 4, 3, 3, 3};

TEST_F(TrainDescriptionTable, StationRowsCarryTheTimetable) {
  const std::array<StationRow, 27> stations = {{
      {{0, 8, 500, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 11, 4, 0}, "BORGOLAGO"},
      {{4500, 11, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0}, "BIVIO CASTELROSSO"},
      {{8950, 24, 600, 0, 0, 0, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0}, "PIEVE SANTORSO"},
      {{12050, 28, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "MOLINETTO"},
      {{14650, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 99, 11, 26, 0}, "VALLEVERDE"},
      {{18700, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "SAN GIULIO ALTO"},
      {{22250, 12, 600, 1, 0, 1, 4, 1, 0, 2, 1, 1, 99, 11, 40, 0}, "ROCCAFERMA"},
      {{28350, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 220, 0, 0, 0}, "TORRE DEL PRETE"},
      {{35050, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 220, 0, 0, 0}, "SOLIVO"},
      {{40150, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0}, "CAMPOLUNGO"},
      {{45150, 12, 600, 0, 0, 1, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "FONTANELLE DI SOPRA"},
      {{47850, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 220, 0, 0, 0}, "MEZZAVALLE"},
      {{51550, 25, 500, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "CASELLO DEL RIVO"},
      {{56100, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 99, 12, 25, 0}, "PONTEBRUNO"},
      {{60450, 24, 600, 0, 0, 0, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0}, "SAN NICOLO'"},
      {{65600, 24, 400, 0, 0, 0, 0, 0, 0, 3, 1, 1, 220, 0, 0, 0}, "VALDORIA"},
      {{67950, 11, 500, 0, 0, 0, 1, 1, 0, 2, 3, 1, 0, 0, 0, 0}, "CHIUSA-VERNAGO"},
      {{69050, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 99, 12, 42, 0}, "PRATOSECCO"},
      {{72050, 28, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "LE GRAZIE"},
      {{76150, 22, 600, 0, 0, 0, 0, 0, 0, 4, 1, 1, 220, 0, 0, 0}, "ORSARA ALTA"},
      {{80150, 28, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "PIAN DEI LARICI"},
      {{82850, 22, 600, 0, 0, 0, 0, 0, 0, 4, 1, 1, 99, 13, 3, 0}, "MONTECASTRO"},
      {{85050, 28, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "CASE ROVINA"},
      {{88250, 12, 600, 1, 0, 1, 4, 1, 0, 2, 1, 1, 220, 0, 0, 0}, "SELVANERA"},
      {{91700, 28, 500, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "FORCELLA BASSA"},
      {{93400, 12, 800, 1, 0, 0, 4, 1, 0, 2, 1, 1, 99, 13, 22, 0}, "ACQUAFREDDA"},
      {{100000, 1, 800, 1, 0, 0, 1, 1, 0, 2, 1, 1, 0, 13, 27, 0}, "CIMAPASSO"},
  }};
  for (std::size_t i = 0; i < stations.size(); ++i) {
    std::string row = "stazione";
    for (std::size_t v = 0; v < station_widths.size(); ++v) {
      row += "," + right_aligned(stations[i].values[v], station_widths[v]);
    }
    row += ", " + std::string(stations[i].name);
    EXPECT_EQ(lines_[41 + i], row);
  }
}

struct SignalRow {
  std::int32_t position, sx, s1, s2, s3, tempo;
};

// The layout of every signal row: the ten values in fixed columns, tempo after one blank.
std::string signal_row(const SignalRow& s) {
  return "segnale," + right_aligned(s.position, 8) + "," + right_aligned(s.sx, 4) + "," +
         right_aligned(s.s1, 2) + "," + right_aligned(s.s2, 2) + "," + right_aligned(s.s3, 3) +
         ", 0,    0,  0,0,0, " + std::to_string(s.tempo);
}

TEST_F(TrainDescriptionTable, SignalRowsShareOneLayout) {
  const std::array<SignalRow, 42> signals = {{
      {2450, 1, 3, 0, 0, 0},  {3650, 2, 2, 3, 0, 201}, {7250, 1, 4, 0, 0, 0},
      {8450, 2, 4, 0, 0, 0},  {12550, 1, 3, 0, 0, 0},  {13750, 2, 2, 3, 0, 0},
      {16700, 1, 4, 0, 0, 0}, {17900, 2, 4, 0, 0, 0},  {20200, 1, 3, 0, 0, 0},
      {21400, 2, 2, 3, 0, 0}, {26350, 1, 3, 0, 0, 0},  {27600, 2, 2, 3, 0, 0},
      {33200, 1, 3, 0, 0, 0}, {34450, 2, 3, 0, 0, 0},  {38050, 1, 3, 0, 0, 0},
      {39250, 2, 2, 3, 0, 0}, {42900, 1, 3, 0, 0, 0},  {44400, 2, 4, 0, 0, 201},
      {46200, 1, 3, 0, 0, 0}, {47200, 2, 2, 3, 0, 0},  {49900, 1, 4, 0, 0, 0},
      {50950, 2, 4, 0, 0, 0}, {54200, 1, 3, 0, 0, 0},  {55400, 2, 2, 3, 0, 201},
      {58550, 1, 4, 0, 0, 0}, {59750, 2, 4, 0, 0, 0},  {63950, 1, 3, 0, 0, 0},
      {64950, 2, 3, 0, 0, 0}, {66900, 1, 3, 0, 0, 0},  {70200, 1, 4, 0, 0, 0},
      {71300, 2, 4, 0, 0, 0}, {72250, 2, 4, 1, 1, 0},  {73850, 1, 3, 0, 0, 0},
      {75350, 2, 3, 0, 0, 0}, {81250, 1, 3, 0, 0, 0},  {82250, 2, 3, 0, 0, 205},
      {86100, 1, 3, 0, 0, 0}, {87200, 2, 2, 3, 0, 0},  {91350, 1, 3, 0, 0, 0},
      {92500, 2, 2, 3, 0, 0}, {97000, 1, 3, 0, 0, 0},  {98500, 2, 3, 0, 0, 0},
  }};
  ASSERT_EQ(signal_row(signals[0]), "segnale,    2450,   1, 3, 0,  0, 0,    0,  0,0,0, 0");
  for (std::size_t i = 0; i < signals.size(); ++i) {
    EXPECT_EQ(lines_[75 + i], signal_row(signals[i]));
  }
}

}  // namespace
}  // namespace scn
