// The authoring tool's compile command against failing files: a description
// that cannot be read, an output name taken by a directory. Status 1, a
// message naming the file and the cause, no temporary file, old outputs
// that were not reached left as they were.
#include <gtest/gtest.h>

#include "robustness/fault_support.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

// The embedded scenario's descriptions in `dir`, as the inputs of compile.
void write_sources(const fs::path& dir) {
  const auto r = test::run_in(dir, test::tool() + " sources --out .");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
}

std::string compile_command(const std::string& prefix = "") {
  return prefix + test::tool() + " compile " + test::line_description_name + " " +
         test::train_description_name + " --out out";
}

TEST(ToolFaults, UnreadableDescriptionEndsWithStatus1BeforeAnyOutput) {
  std::string prefix;
  if (!test::unprivileged_prefix(prefix)) GTEST_SKIP() << "no way to run without privileges";
  test::scratch_dir dir;
  write_sources(dir.path());
  fs::create_directory(dir / "out");
  fs::permissions(dir.path(), fs::perms::all);
  fs::permissions(dir / "out", fs::perms::all);
  test::plant_old_files(dir / "out", test::binary_names());
  fs::permissions(dir / test::line_description_name, fs::perms::none);
  const auto r = test::run_in(dir.path(), compile_command(prefix));
  EXPECT_EQ(r.exit_status, 1) << r.errors;
  EXPECT_NE(r.errors.find("cannot open " + std::string(test::line_description_name) +
                          ": Permission denied"),
            std::string::npos)
      << r.errors;
  test::expect_old_files(dir / "out", test::binary_names());
  EXPECT_EQ(test::temporaries_in(dir / "out"), std::vector<std::string>{});
}

TEST(ToolFaults, OutputNameTakenByADirectoryStopsThereWithNoTemporaryLeft) {
  test::scratch_dir dir;
  write_sources(dir.path());
  fs::create_directories(dir / "out" / test::cell_name);
  const auto r = test::run_in(dir.path(), compile_command());
  EXPECT_EQ(r.exit_status, 1) << r.errors;
  EXPECT_NE(r.errors.find("out/" + std::string(test::cell_name) + ": Is a directory"),
            std::string::npos)
      << r.errors;
  EXPECT_TRUE(fs::is_directory(dir / "out" / test::cell_name));
  EXPECT_EQ(test::temporaries_in(dir / "out"), std::vector<std::string>{});
}

// A description that is not there at all is an input that cannot be used,
// not a status of the compile: exit status 1, the file and the reason named,
// and nothing written.
TEST(ToolFaults, MissingLineDescriptionIsAnErrorAndWritesNothing) {
  test::scratch_dir dir;
  write_sources(dir.path());
  fs::remove(dir / test::line_description_name);
  fs::create_directory(dir / "out");
  test::plant_old_files(dir / "out", test::binary_names());
  const auto r = test::run_in(dir.path(), compile_command());
  EXPECT_EQ(r.exit_status, 1) << r.errors;
  EXPECT_NE(r.errors.find("cannot open " + std::string(test::line_description_name) +
                          ": No such file or directory"),
            std::string::npos)
      << r.errors;
  test::expect_old_files(dir / "out", test::binary_names());
  EXPECT_EQ(test::temporaries_in(dir / "out"), std::vector<std::string>{});
}

// An output folder the system will not let the tool write into is named
// with the system's reason before the compile runs; with --json the error
// says the same, and nothing is written.
TEST(ToolFaults, ReadOnlyOutputFolderIsAnErrorBeforeAnyOutput) {
  std::string prefix;
  if (!test::unprivileged_prefix(prefix)) GTEST_SKIP() << "no way to run without privileges";
  test::scratch_dir dir;
  write_sources(dir.path());
  fs::create_directory(dir / "out");
  fs::permissions(dir.path(), fs::perms::all);
  fs::permissions(dir / "out", fs::perms::owner_read | fs::perms::owner_exec |
                                   fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
  for (const std::string where : {"out", "out/deeper"}) {
    const auto r = test::run_in(
        dir.path(), prefix + test::tool() + " compile " + test::line_description_name + " " +
                        test::train_description_name + " --out " + where + " --json");
    EXPECT_EQ(r.exit_status, 1) << where << r.errors;
    EXPECT_NE(r.errors.find("cannot write into out: Permission denied"), std::string::npos)
        << r.errors;
    EXPECT_NE(r.output.find("\"error\":\"cannot write into out: Permission denied\""),
              std::string::npos)
        << r.output;
    EXPECT_EQ(test::files_in(dir / "out"), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace scn
