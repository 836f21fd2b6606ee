// The scenario the program carries compiles cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "compiler/compile_fixture.h"
#include "formats/plan_file.h"
#include "model/cell_kind.h"
#include "sources/line_description_table.h"
#include "sources/replace_text_file.h"
#include "sources/train_description_table.h"

namespace scn {
namespace {

using testing::table_bytes;

TEST(EmbeddedScenario, LineCompilesWithoutStatus) {
  auto r = testing::compile(table_bytes(fill_line_description));
  const scenario& s = r.s;
  EXPECT_EQ(s.status_code, 0);
  EXPECT_EQ(s.status_position, 0);
  EXPECT_EQ(s.track_cells.size(), 2141u);
  EXPECT_EQ(encode_plan_file(s.plan).size(), 2139964u);

  int boards = 0, posts = 0;
  std::set<int> gradients;
  for (std::size_t i = 0; i < s.track_cells.size(); ++i) {
    const track_cell& c = s.track_cells[i];
    boards += c.kind == code(cell_kind::text_board);
    posts += c.kind == code(cell_kind::speed_boards);
    if (i + 3 < s.track_cells.size()) gradients.insert(c.gradient);
  }
  EXPECT_EQ(boards, 51);
  EXPECT_EQ(posts, 10);
  EXPECT_EQ(s.backdrop_count, 40);
  int joined = 0;
  for (int k = 2; k <= s.backdrop_count; ++k) {
    if (s.backdrop_starts[k] - s.backdrop_ends[k - 1] > 150) continue;
    ++joined;
    EXPECT_EQ(s.track_cells[s.backdrop_starts[k] / 50].backdrop, 3) << s.backdrop_starts[k];
  }
  EXPECT_EQ(joined, 8);
  EXPECT_EQ(*gradients.begin(), 78);
  EXPECT_EQ(*gradients.rbegin(), 122);
  EXPECT_EQ(s.items[30].text.empty(), false);  // board rows 80 down to 30
  EXPECT_TRUE(s.items[29].text.empty());
}

}  // namespace
}  // namespace scn

namespace scn {
namespace {

TEST(EmbeddedScenario, LineAndTrainCompileWithoutStatus) {
  auto r =
      testing::compile(table_bytes(fill_line_description), table_bytes(fill_train_description));
  const scenario& s = r.s;
  EXPECT_EQ(s.status_code, 0);
  EXPECT_EQ(s.status_position, 0);
  EXPECT_FALSE(r.files.exists(description::line));
  EXPECT_FALSE(r.files.exists(description::train));
  int stations = 0;
  for (int row = 1; row < 30; ++row) stations += !s.items[row].text.empty();
  EXPECT_EQ(stations, 27);
  int stops = 0;
  for (const auto& c : s.track_cells) stops += c.kind == code(cell_kind::station_stop);
  EXPECT_GE(stops, 1);
  EXPECT_NE(s.track_cells[1].speed_limit, 0);
  EXPECT_NE(s.track_cells[1].adhesion, 0);
}

}  // namespace
}  // namespace scn
