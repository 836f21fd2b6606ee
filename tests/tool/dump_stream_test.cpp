// Rows decoded one at a time: a damaged file is refused before its first
// row, rows come in file order, and numbers take their shortest exact form.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "formats/decode_error.h"
#include "formats/plan_file.h"
#include "tool/dump/dump_rows.h"
#include "tool/dump/json_rows.h"

namespace scn::tool {
namespace {

std::vector<dump_row> rows_of(binary_kind kind, std::string_view bytes) {
  std::vector<dump_row> rows;
  decode_rows(kind, memory_bytes(bytes), [&](const dump_row& r) { rows.push_back(r); });
  return rows;
}

std::string plan_bytes(std::size_t points) {
  track_plan plan;
  plan.dimension(static_cast<std::int32_t>(points - 1));
  plan.set_integer(0, 0, -3);
  plan.set_real(1, 1, 0.1);
  return encode_plan_file(plan);
}

TEST(DumpStream, PlanRowsPairTheTwoBlocks) {
  const auto rows = rows_of(binary_kind::plan, plan_bytes(3));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][1].text, "integer");
  EXPECT_EQ(rows[0][2].text, "-3");
  EXPECT_EQ(rows[0][3].text, "empty");
  EXPECT_EQ(rows[0][4].kind, dump_field::type::null);
  EXPECT_EQ(rows[1][3].text, "double");
  EXPECT_EQ(rows[1][4].text, "0.1");
  EXPECT_EQ(rows[2][0].text, "2");
}

struct damaged_case {
  const char* what;
  binary_kind kind;
  std::string bytes;
  const char* message;
};

// Each damage sits after whole rows, so a decoder that printed as it read
// would have handed rows out before noticing.
TEST(DumpStream, DamageIsFoundBeforeTheFirstRow) {
  const std::string plan = plan_bytes(4);
  const std::vector<damaged_case> cases = {
      {"cell file cut inside its third record", binary_kind::cells, std::string(40, '\0'),
       "at byte 30: truncated cell record (10 of 15 bytes)"},
      {"plan file with one element more", binary_kind::plan, plan + std::string(2, '\0'),
       "differ in length"},
      {"plan file with an unknown tag at its end", binary_kind::plan,
       plan + std::string("\x07\x00", 2), "unknown element tag 7"},
      {"plan file cut inside its last element", binary_kind::plan, plan.substr(0, plan.size() - 1),
       "truncated element"},
      {"item file with too few rows", binary_kind::items, std::string(34 * 86, '\0'),
       "file ends inside row 86"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    int rows = 0;
    try {
      decode_rows(c.kind, memory_bytes(c.bytes), [&](const dump_row&) { ++rows; });
      ADD_FAILURE() << "no error";
    } catch (const decode_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_EQ(rows, 0);
  }
}

TEST(DumpStream, NumbersAreShortestAndReadBackExactly) {
  const double values[] = {0.0,
                           -0.0,
                           1.0,
                           0.1,
                           2151.999999,
                           1.0 / 3,
                           1e-7,
                           123456789012.5,
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::denorm_min()};
  for (double v : values) {
    const std::string text = shortest_number(v);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), v) << text;
    EXPECT_LE(text.size(), 24u) << text;
  }
  EXPECT_EQ(shortest_number(0.1), "0.1");
  EXPECT_EQ(shortest_number(3000), "3000");
}

TEST(DumpStream, JsonHasNoNumberForNaNOrInfinity) {
  const dump_layout layout{"plan", {"x"}};
  std::string out;
  json_rows json(layout);
  json.append_row(out, {{shortest_number(std::nan("")), dump_field::type::number}});
  json.append_row(out, {{shortest_number(-INFINITY), dump_field::type::number}});
  EXPECT_EQ(out, "\n  {\"x\":null},\n  {\"x\":null}");
}

}  // namespace
}  // namespace scn::tool
