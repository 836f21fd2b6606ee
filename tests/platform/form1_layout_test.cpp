// The wait window's stored measures in pixels, the rounding of the unit
// conversions, and the directory and title taken from a module path.
#include "platform/form1_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace scn::form1 {
namespace {

struct conversion_case {
  std::int32_t value;
  std::int32_t dpi;
  std::int32_t pixels;
};

TEST(Form1Layout, StoredWindowInPixelsAtCommonResolutions) {
  // The stored measures at 96 dpi are 280 x 179 with the label at 64, 64,
  // 177 x 53; larger resolutions scale them.
  const struct {
    std::int32_t twips;
    std::int32_t at96, at120, at144;
  } cases[] = {
      {client_width, 280, 350, 420}, {client_height, 179, 224, 269}, {label_left, 64, 80, 96},
      {label_top, 64, 80, 96},       {label_width, 177, 221, 265},   {label_height, 53, 66, 79},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(twips_to_pixels(c.twips, 96), c.at96) << c.twips;
    EXPECT_EQ(twips_to_pixels(c.twips, 120), c.at120) << c.twips;
    EXPECT_EQ(twips_to_pixels(c.twips, 144), c.at144) << c.twips;
  }
}

TEST(Form1Layout, TwipsRoundToNearestWithTiesToEven) {
  const conversion_case cases[] = {
      {0, 96, 0},     {15, 96, 1},   {7, 96, 0},
      {8, 96, 1},                                            // 0.47 and 0.53
      {720, 97, 48},  {720, 99, 50},                         // 48.5 and 49.5
      {1440, 97, 97}, {45, 96, 3},   {2200000, 96, 146667},  // 146666.67
  };
  for (const auto& c : cases)
    EXPECT_EQ(twips_to_pixels(c.value, c.dpi), c.pixels) << c.value << " twips at " << c.dpi;
}

TEST(Form1Layout, FontPointsToCharacterHeight) {
  const conversion_case cases[] = {
      {label_font_points, 96, 32},
      {label_font_points, 120, 40},
      {label_font_points, 144, 48},
      {9, 100, 12},   // 12.5 rounds to the even 12
      {27, 100, 38},  // 37.5 rounds to the even 38
  };
  for (const auto& c : cases)
    EXPECT_EQ(points_to_pixels(c.value, c.dpi), c.pixels) << c.value << " pt at " << c.dpi;
}

TEST(Form1Layout, ModuleDirectory) {
  const struct {
    const char* path;
    const char* directory;
  } cases[] = {
      {"C:\\Programmi\\Scenario\\scenario.exe", "C:\\Programmi\\Scenario"},
      {"C:\\scenario.exe", "C:\\"},  // the root keeps its separator
      {"Z:\\tmp/run\\scenario.exe", "Z:\\tmp/run"},
      {"Z:\\tmp/run/scenario.exe", "Z:\\tmp/run"},
      {"\\\\server\\share\\scenario.exe", "\\\\server\\share"},
      {"\\scenario.exe", "\\"},
      {"scenario.exe", "."},
      {"C:\\Dati \xe8 prove\\scenario.exe", "C:\\Dati \xe8 prove"},  // bytes kept as they are
  };
  for (const auto& c : cases) EXPECT_EQ(module_directory(c.path), c.directory) << c.path;
}

TEST(Form1Layout, ModuleTitleIsFileNameWithoutExtension) {
  const struct {
    const char* path;
    const char* title;
  } cases[] = {
      {"C:\\Programmi\\scenario.exe", "scenario"},
      {"C:\\a.b\\scenario-tool.exe", "scenario-tool"},  // dots in directories do not count
      {"C:\\run\\scenario.v2.exe", "scenario.v2"},      // only the last extension goes
      {"C:\\run\\scenario", "scenario"},
      {"C:\\run\\.scenario", ".scenario"},  // a leading dot is not an extension
      {"scenario.exe", "scenario"},
  };
  for (const auto& c : cases) EXPECT_EQ(module_title(c.path), c.title) << c.path;
}

}  // namespace
}  // namespace scn::form1
