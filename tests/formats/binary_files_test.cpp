// Byte layouts of the cell, item and plan files.
#include <gtest/gtest.h>

#include "formats/cell_file.h"
#include "formats/item_file.h"
#include "formats/plan_file.h"
#include "model/scenario.h"

namespace scn {
namespace {

TEST(ItemFile, RowWithEmptyTextIs34Bytes) {
  byte_buffer out;
  encode_item_row(out, item_record{});
  ASSERT_EQ(out.size(), 34u);
  EXPECT_EQ(out.substr(14, 2), std::string("\0\0", 2));
}

TEST(ItemFile, RowFieldsAtTheirOffsets) {
  item_record row;
  row.kind = 12;
  row.start = -500;
  row.end = 0x01020304;
  row.position = 14650;
  row.flag_a = 1;
  row.text = "BORGOLAGO-CIMAPASSO";
  row.word_a = 610;
  row.word_e = -2;
  row.flag_b = 7;
  row.flag_e = 9;
  row.number = 32743;
  byte_buffer out;
  encode_item_row(out, row);
  ASSERT_EQ(out.size(), 53u);
  EXPECT_EQ(get_u8(out, 0), 12);
  EXPECT_EQ(get_i32(out, 1), -500);
  EXPECT_EQ(out.substr(5, 4), std::string("\x04\x03\x02\x01", 4));
  EXPECT_EQ(get_i32(out, 9), 14650);
  EXPECT_EQ(get_u8(out, 13), 1);
  EXPECT_EQ(out.substr(14, 2), std::string("\x13\x00", 2));
  EXPECT_EQ(out.substr(16, 19), "BORGOLAGO-CIMAPASSO");
  EXPECT_EQ(get_i16(out, 35), 610);
  EXPECT_EQ(get_i16(out, 43), -2);
  EXPECT_EQ(get_u8(out, 45), 7);
  EXPECT_EQ(get_u8(out, 48), 9);
  EXPECT_EQ(get_i32(out, 49), 32743);
}

TEST(ItemFile, WholeTableIs2958BytesPlusTexts) {
  item_table items{};
  items[80].text = "(GALLERIA \xB0)";
  items[85].text = "BORGOLAGO-CIMAPASSO";
  const auto out = encode_item_file(items);
  EXPECT_EQ(out.size(), 2958u + 12u + 19u);
}

TEST(CellFile, RecordIs15BytesLittleEndian) {
  track_cell c;
  c.kind = 3;
  c.value1 = -1;
  c.value2 = 5121;
  c.value3 = 0x1234;
  c.value4 = 6;
  c.timer = 201;
  c.approach = 84;
  c.backdrop = 2;
  c.speed_limit = 24;
  c.gradient = 78;
  c.adhesion = 100;
  EXPECT_EQ(encode_cell_file({c}),
            std::string("\x03\xFF\xFF\x01\x14\x34\x12\x06\x00\xC9\x54\x02\x18\x4E\x64", 15));
}

TEST(CellFile, LineOf100kmGives32115Bytes) {
  scenario s;
  dimension(s, 100000);
  EXPECT_EQ(encode_cell_file(s.track_cells).size(), 32115u);
}

TEST(PlanFile, TaggedElementsFirstBlockThenSecond) {
  track_plan plan;
  plan.dimension(3);  // points 0..3
  plan.set_integer(0, 0, 0);
  plan.set_integer(0, 1, 0);
  plan.set_integer(1, 0, 0);
  plan.set_integer(1, 1, 1);
  plan.set_real(2, 0, 0.5);
  plan.set_real(2, 1, -2.0);
  const auto out = encode_plan_file(plan);
  ASSERT_EQ(out.size(), 2 * (4 + 4 + 10 + 2));
  EXPECT_EQ(get_u16(out, 0), 2);
  EXPECT_EQ(get_i16(out, 2), 0);
  EXPECT_EQ(get_u16(out, 8), 5);
  EXPECT_EQ(get_f64(out, 10), 0.5);
  EXPECT_EQ(get_u16(out, 18), 0);  // point 3 empty
  EXPECT_EQ(get_i16(out, 20 + 6), 1);
  EXPECT_EQ(get_f64(out, 20 + 10), -2.0);
  EXPECT_EQ(out.substr(30, 8), std::string("\x00\x00\x00\x00\x00\x00\x00\xC0", 8));
}

TEST(PlanFile, LineOf100kmGives2139964Bytes) {
  track_plan plan;
  plan.dimension(107000);
  for (int axis = 0; axis < 2; ++axis) {
    plan.set_integer(0, axis, 0);
    plan.set_integer(1, axis, static_cast<std::int16_t>(axis));
    for (std::size_t i = 2; i <= 106998; ++i) plan.set_real(i, axis, 1.0);
  }
  EXPECT_EQ(encode_plan_file(plan).size(), 2139964u);
}

}  // namespace
}  // namespace scn
