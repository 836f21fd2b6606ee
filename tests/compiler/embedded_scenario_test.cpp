// The scenario the program carries compiles cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "compiler/compile_fixture.h"
#include "driver/replace_text_file.h"
#include "model/cell_kind.h"
#include "output/plan_file.h"
#include "sources/line_description_table.h"

namespace scn {
namespace {

std::string line_description_bytes() {
  text_lines lines;
  fill_line_description(lines);
  std::int32_t end = 0;
  return text_file_bytes(lines, end);
}

TEST(EmbeddedScenario, LineCompilesWithoutStatus) {
  auto r = testing::compile(line_description_bytes());
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
