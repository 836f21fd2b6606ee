// The output step on disk: files replaced to their new length, the plan
// file only when the output switch is on.
#include <gtest/gtest.h>

#include "pipeline/pipeline.h"
#include "platform/file_ops.h"
#include "support/process.h"

namespace scn {
namespace {

finishing_io disk_io(const test::scratch_dir& dir) {
  finishing_io io;
  io.plan_file = (dir / "L_linea.dat").string();
  io.item_file = (dir / "L_1.sim").string();
  io.cell_file = (dir / "L_1.dat").string();
  io.write_file = replace_file_in_pieces;
  return io;
}

TEST(BinaryOutput, ReplacesLongerFilesWithExactlyTheNewBytes) {
  test::scratch_dir dir;
  auto io = disk_io(dir);
  for (const auto& f : {io.plan_file, io.item_file, io.cell_file}) {
    test::write_bytes(f, std::string(4000000, '\x7F'));
  }
  scenario s;
  s.output_switch = 1;
  dimension(s, 100);  // plan_length 7100, last_cell 142
  write_binary_files(s, io);
  EXPECT_EQ(test::read_bytes(io.cell_file).size(), 143u * 15u);
  EXPECT_EQ(test::read_bytes(io.item_file).size(), 2958u);
  EXPECT_EQ(test::read_bytes(io.plan_file).size(), 2u * 2u * 7101u);  // all elements empty
}

TEST(BinaryOutput, SwitchOffLeavesAnOldPlanFileUntouched) {
  test::scratch_dir dir;
  auto io = disk_io(dir);
  test::write_bytes(io.plan_file, "old plan");
  scenario s;
  dimension(s, 100);
  write_binary_files(s, io);
  EXPECT_EQ(test::read_bytes(io.plan_file), "old plan");
  EXPECT_EQ(test::files_in(dir.path()),
            (std::vector<std::string>{"L_1.dat", "L_1.sim", "L_linea.dat"}));
}

}  // namespace
}  // namespace scn
