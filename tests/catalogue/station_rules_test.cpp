// The station-area rule as the compiler applies it.
#include "catalogue/station_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "compiler/compile_fixture.h"

namespace scn {
namespace {

TEST(StationRules, AreaByKind) {
  const struct {
    std::int64_t position, kind, length, extension;
    station_area area;
  } cases[] = {
      {5000, 5, 300, 1, {4700, 5150}},  {8000, 7, 200, 1, {7800, 8200}},
      {4500, 11, 600, 0, {4200, 4800}}, {4500, 11, 600, 1, {4200, 4850}},
      {4525, 30, 50, 0, {4500, 4550}},  {4550, 12, 100, 0, {4500, 4600}},
      {25, 12, 50, 0, {0, 50}},                                      // 0.0 and 50.0
      {75, 12, 50, 0, {50, 100}},       {0, 12, 101, 0, {-50, 50}},  // -50.5 and 50.5: ties to even
      {1, 12, 101, 0, {-50, 52}},                                    // -49.5 and 51.5
  };
  for (const auto& c : cases) {
    const auto a = station_area_of(c.position, c.kind, c.length, c.extension);
    EXPECT_EQ(a.start, c.area.start) << c.position << " " << c.kind;
    EXPECT_EQ(a.end, c.area.end) << c.position << " " << c.kind;
  }
  EXPECT_TRUE(station_has_stop(24));
  EXPECT_FALSE(station_has_stop(25));
  EXPECT_FALSE(station_has_approach(5));
  EXPECT_FALSE(station_has_approach(6));
  EXPECT_TRUE(station_has_approach(7));
  EXPECT_FALSE(station_has_approach(25));
}

// The compiled station rows hold the areas the rule gives.
TEST(StationRules, CompilerStoresTheRulesArea) {
  const struct {
    int position, kind, length, extension;
  } stations[] = {{5000, 5, 300, 1}, {8000, 7, 200, 1}, {12000, 11, 700, 1}, {20000, 30, 900, 1}};
  std::string train = "[generale]\r\n";
  for (const auto& s : stations) {
    train += "stazione, " + std::to_string(s.position) + ", " + std::to_string(s.kind) + ", " +
             std::to_string(s.length) + ", 0, 0, " + std::to_string(s.extension) +
             ", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, X\r\n";
  }
  auto r = testing::compile(testing::line_text({}), train + "[fine]\r\n");
  ASSERT_EQ(r.s.status_code, 0);
  for (std::size_t i = 0; i < std::size(stations); ++i) {
    const auto& s = stations[i];
    const auto area = station_area_of(s.position, s.kind, s.length, s.extension);
    EXPECT_EQ(r.s.items[i + 1].start, area.start) << i;
    EXPECT_EQ(r.s.items[i + 1].end, area.end) << i;
  }
}

}  // namespace
}  // namespace scn
