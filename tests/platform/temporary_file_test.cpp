// Temporary files: random short names, created only where nothing is, the
// replaced file's permission bits kept, and gone on every way out that
// does not replace the target.
#include "platform/temporary_file.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

TEST(TemporaryFile, NamesAreShortAndDoNotRepeat) {
  std::set<std::string> names;
  for (int i = 0; i < 1000; ++i) {
    const std::string name = random_temporary_name();
    EXPECT_EQ(name.size(), 16u);
    EXPECT_EQ(name.rfind(".tmp", 0), 0u);
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 1000u);
}

TEST(TemporaryFile, AnExceptionFromThePiecesRemovesTheTemporary) {
  test::scratch_dir dir;
  test::write_bytes(dir / "f.dat", "old");
  const auto failing = [](const piece_sink& sink) {
    sink("some bytes");
    throw std::runtime_error("encoder failed");
  };
  EXPECT_THROW(replace_file_in_pieces((dir / "f.dat").string(), failing), std::runtime_error);
  EXPECT_EQ(test::files_in(dir.path()), std::vector<std::string>{"f.dat"});
  EXPECT_EQ(test::read_bytes(dir / "f.dat"), "old");
}

TEST(TemporaryFile, ATemporaryNotReplacedIsRemovedAndOneReplacedIsTheTarget) {
  test::scratch_dir dir;
  std::string why;
  {
    auto t = temporary_file::create_beside((dir / "a").string(), why);
    ASSERT_TRUE(t) << why;
    ASSERT_TRUE(t->write("abc", why)) << why;
    EXPECT_TRUE(fs::exists(dir / t->name()));
  }
  EXPECT_EQ(test::files_in(dir.path()), std::vector<std::string>{});
  auto t = temporary_file::create_beside((dir / "a").string(), why);
  ASSERT_TRUE(t && t->write("abc", why) && t->close(why) && t->replace_target(why)) << why;
  t.reset();
  EXPECT_EQ(test::files_in(dir.path()), std::vector<std::string>{"a"});
  EXPECT_EQ(test::read_bytes(dir / "a"), "abc");
}

TEST(TemporaryFile, AMissingFolderIsReportedWithTheTargetsName) {
  test::scratch_dir dir;
  try {
    replace_file((dir / "missing" / "f.dat").string(), "x");
    ADD_FAILURE() << "no error";
  } catch (const file_error& e) {
    EXPECT_NE(std::string(e.what()).find("missing/f.dat: No such file or directory"),
              std::string::npos)
        << e.what();
  }
}

}  // namespace
}  // namespace scn
