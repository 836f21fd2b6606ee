// Reading the binary files back: round trips, and truncated or damaged
// files rejected at the right byte offset.
#include <gtest/gtest.h>

#include "formats/cell_file.h"
#include "formats/decode_error.h"
#include "formats/item_file.h"
#include "formats/plan_file.h"

namespace scn {
namespace {

template <typename F>
std::size_t failing_offset(F&& decode) {
  try {
    decode();
  } catch (const decode_error& e) {
    return e.offset();
  }
  ADD_FAILURE() << "no decode_error";
  return 0;
}

TEST(DecodeCells, RoundTripAndTruncation) {
  std::vector<track_cell> cells(3);
  cells[1].value1 = 5121;
  cells[2].gradient = 78;
  const auto bytes = encode_cell_file(cells);
  EXPECT_EQ(decode_cell_file(bytes), cells);
  EXPECT_EQ(failing_offset([&] { decode_cell_file(bytes.substr(0, 40)); }), 30u);
}

TEST(DecodeItems, RoundTripAndDamage) {
  item_table items{};
  items[85].text = "BORGOLAGO-CIMAPASSO";
  items[85].number = 32743;
  items[1].start = -500;
  const auto bytes = encode_item_file(items);
  EXPECT_EQ(decode_item_file(bytes), items);

  EXPECT_EQ(failing_offset([&] { decode_item_file(bytes.substr(0, 100)); }), 100u);
  EXPECT_EQ(failing_offset([&] { decode_item_file(bytes + "x"); }), bytes.size());
  auto long_text = bytes;
  long_text[14] = '\xFF';  // row 0 claims a 255-byte text
  EXPECT_GT(failing_offset([&] { decode_item_file(long_text); }), 0u);
}

TEST(DecodePlan, RoundTripAndDamage) {
  track_plan plan;
  plan.dimension(2);
  plan.set_integer(0, 0, 0);
  plan.set_integer(1, 1, 1);
  plan.set_real(2, 0, -0.25);
  const auto bytes = encode_plan_file(plan);
  const auto back = decode_plan_file(bytes);
  ASSERT_EQ(back.points(), 3u);
  EXPECT_EQ(back.tag(0, 0), plan_tag::integer);
  EXPECT_EQ(back.value(1, 1), 1.0);
  EXPECT_EQ(back.tag(2, 0), plan_tag::real);
  EXPECT_EQ(back.value(2, 0), -0.25);
  EXPECT_EQ(back.tag(2, 1), plan_tag::empty);

  auto bad_tag = bytes;
  bad_tag[0] = 7;
  EXPECT_EQ(failing_offset([&] { decode_plan_file(bad_tag); }), 0u);
  // Point 2's double starts at byte 6: a cut inside it is reported there.
  EXPECT_EQ(failing_offset([&] { decode_plan_file(bytes.substr(0, 9)); }), 6u);
  EXPECT_EQ(failing_offset([&] { decode_plan_file(bytes.substr(0, 7)); }), 6u);
  // One element alone cannot make two coordinate blocks.
  EXPECT_EQ(failing_offset([&] { decode_plan_file(bytes.substr(0, 4)); }), 4u);
}

}  // namespace
}  // namespace scn
