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

// The size handed over beforehand is only a hint for setting the room
// aside: whether it is exact, too large or too small, and whether a file of
// that name exists or not, the file holds exactly the pieces written.
TEST(ReplaceFile, TheAnnouncedSizeNeverChangesTheBytes) {
  struct size_case {
    const char* what;
    std::uint64_t size;
    bool old_file;
  };
  const std::string bytes = std::string(70000, 'a') + std::string(70000, 'b');
  const size_case cases[] = {
      {"exact, new file", bytes.size(), false},
      {"exact, over an old file", bytes.size(), true},
      {"larger, new file", 4 * bytes.size(), false},
      {"smaller, new file", 100, false},
      {"none", 0, false},
  };
  for (const size_case& c : cases) {
    SCOPED_TRACE(c.what);
    test::scratch_dir dir;
    const fs::path target = dir / "plan.dat";
    if (c.old_file) test::write_bytes(target, std::string(300000, 'x'));
    replace_file_placed(
        target.string(),
        [&bytes](const placed_sink& sink) {
          sink(70000, std::string_view(bytes).substr(70000));
          sink(0, std::string_view(bytes).substr(0, 70000));
        },
        c.size);
    EXPECT_EQ(fs::file_size(target), bytes.size());
    EXPECT_TRUE(test::read_bytes(target) == bytes);
    EXPECT_EQ(test::files_in(dir.path()), std::vector<std::string>{"plan.dat"});
  }
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

// Both ways of reading a file refuse one larger than the limit before
// reading it, and one that cannot be opened, with the same message.
TEST(ReadFile, WholeAndInPiecesRefuseAFileAlikeBeforeReadingIt) {
  test::scratch_dir dir;
  const fs::path big = dir / "big.txt";
  test::write_bytes(big, std::string(101, 'x'));
  const input_limit limit{100, "a test input"};
  const auto refusal = [](const auto& read) {
    try {
      read();
    } catch (const file_error& e) {
      return std::string(e.what());
    }
    return std::string("read without complaint");
  };
  const std::string over =
      "cannot read " + big.string() + ": it has 101 bytes, more than the 100 a test input may have";
  EXPECT_EQ(refusal([&] { read_file(big.string(), limit); }), over);
  std::size_t pieces = 0;
  EXPECT_EQ(
      refusal([&] { file_in_pieces(big.string(), limit)([&](std::string_view) { ++pieces; }); }),
      over);
  EXPECT_EQ(pieces, 0u);
  const input_limit exact{101, "a test input"};
  EXPECT_EQ(read_file(big.string(), exact), std::string(101, 'x'));
  EXPECT_EQ(gather_pieces(file_in_pieces(big.string(), exact)), std::string(101, 'x'));

  const fs::path missing = dir / "missing.txt";
  EXPECT_EQ(read_file(missing.string(), limit), std::nullopt);
  EXPECT_NE(refusal([&] {
              file_in_pieces(missing.string(), limit)([](std::string_view) {});
            }).find("cannot open " + missing.string() + ": "),
            std::string::npos);
}

}  // namespace
}  // namespace scn
