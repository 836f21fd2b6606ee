// Replacing a file through a temporary beside it: the new bytes exactly,
// and nothing left over either way.
#include <gtest/gtest.h>

#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

TEST(ReplaceFile, LeavesExactlyTheNewBytesAndNoOtherFile) {
  test::scratch_dir dir;
  const fs::path target = dir / "plan.dat";
  test::write_bytes(target, std::string(5000, 'x'));
  const std::string bytes("new\0bytes\r\n", 11);
  replace_file(target.string(), bytes);
  EXPECT_EQ(test::read_bytes(target), bytes);
  EXPECT_EQ(test::files_in(dir.path()), std::vector<std::string>{"plan.dat"});
}

// Pieces placed out of order (the second block of a file before the first
// is complete) land at their offsets, and a longer old file leaves no tail.
TEST(ReplaceFile, PlacedPiecesLandAtTheirOffsets) {
  test::scratch_dir dir;
  const fs::path target = dir / "plan.dat";
  test::write_bytes(target, std::string(5000, 'x'));
  replace_file_placed(target.string(), [](const placed_sink& sink) {
    sink(0, "ab");
    sink(6, "gh");
    sink(2, "cd");
    sink(8, "ij");
    sink(4, "ef");
  });
  EXPECT_EQ(test::read_bytes(target), "abcdefghij");
  EXPECT_EQ(test::files_in(dir.path()), std::vector<std::string>{"plan.dat"});
}

TEST(ReplaceFile, FailureNamesTheFileAndCauseAndRemovesTheTemporary) {
  test::scratch_dir dir;
  const fs::path target = dir / "cells.dat";
  fs::create_directory(target);
  try {
    replace_file(target.string(), "bytes");
    FAIL() << "replacing a directory succeeded";
  } catch (const file_error& e) {
    EXPECT_EQ(e.file(), target.string());
    EXPECT_NE(std::string(e.what()).find(target.string() + ": Is a directory"), std::string::npos)
        << e.what();
  }
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(test::files_in(dir.path()), std::vector<std::string>{});
}

}  // namespace
}  // namespace scn
