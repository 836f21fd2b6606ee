// The program against a file system that fails it: every fault ends the run
// with exit status 1 and one clear message naming the file and the cause,
// and leaves no temporary file and no half-written file behind; the files
// of an earlier run that were not yet replaced keep their old bytes.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <functional>

#include "robustness/fault_support.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

struct run_outcome {
  test::process_result result;
  fs::path dir;
};

void expect_failure_report(const test::process_result& r, const fs::path& file,
                           const std::string& cause) {
  EXPECT_EQ(r.exit_status, 1) << r.errors;
  EXPECT_NE(r.errors.find("scenario: cannot "), std::string::npos) << r.errors;
  EXPECT_NE(r.errors.find(file.string() + ": " + cause), std::string::npos) << r.errors;
  EXPECT_EQ(r.errors.find("terminate"), std::string::npos) << r.errors;
}

struct fault_case {
  const char* what;
  std::function<void(const fs::path&)> prepare;
  std::string shell_prefix;  // run before the program in the same shell
  const char* failing_file;
  const char* cause;
  std::vector<std::string> kept_old;  // planted files the run must not reach
};

std::vector<fault_case> fault_cases() {
  const auto all = test::product_names();
  const auto binaries = test::binary_names();
  const auto dir_at = [](const char* name) {
    return [name](const fs::path& dir) {
      fs::remove(dir / name);
      fs::create_directory(dir / name);
    };
  };
  return {
      {"line description name taken by a directory", dir_at(test::line_description_name), "",
       test::line_description_name, "Is a directory", all},
      {"train description name taken by a directory", dir_at(test::train_description_name), "",
       test::train_description_name, "Is a directory", all},
      {"plan file name taken by a directory",
       dir_at(test::plan_name),
       "",
       test::plan_name,
       "Is a directory",
       {test::item_name, test::cell_name}},
      // 2048 blocks of 512 bytes hold every text file but not the plan file
      // (about 2 MB); SIGXFSZ ignored turns the limit into a write error.
      {"file size limit reached inside the plan file", [](const fs::path&) {},
       "trap '' XFSZ; ulimit -f 2048; ", test::plan_name, "File too large", binaries},
  };
}

TEST(ScenarioFaults, EachFaultEndsWithStatus1AndLeavesNoHalfWrittenFile) {
  for (const auto& c : fault_cases()) {
    SCOPED_TRACE(c.what);
    test::scratch_dir dir;
    const auto program = test::install_program(dir.path(), "scenario");
    test::plant_old_files(dir.path(), test::product_names());
    c.prepare(dir.path());
    const auto r = test::run_in(dir.path(), c.shell_prefix + test::quoted(program));
    expect_failure_report(r, dir / c.failing_file, c.cause);
    test::expect_old_files(dir.path(), c.kept_old);
    EXPECT_EQ(test::temporaries_in(dir.path()), std::vector<std::string>{});
  }
}

TEST(ScenarioFaults, FailedTrainDescriptionLeavesTheLineDescriptionAndNothingAfterIt) {
  test::scratch_dir dir;
  const auto program = test::install_program(dir.path(), "scenario");
  fs::create_directory(dir / test::train_description_name);
  const auto r = test::run_in(dir.path(), test::quoted(program));
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_TRUE(fs::is_directory(dir / test::train_description_name));
  EXPECT_EQ(test::files_in(dir.path()),
            (std::vector<std::string>{test::line_description_name, "scenario"}));
}

TEST(ScenarioFaults, ReadOnlyDirectoryKeepsEveryOldFile) {
  test::scratch_dir dir;
  const auto program = test::install_program(dir.path(), "scenario");
  test::plant_old_files(dir.path(), test::product_names());
  if (!test::lock_directory(dir.path())) GTEST_SKIP() << "cannot make a directory read-only here";
  const auto r = test::run_in(dir.path(), test::quoted(program));
  test::unlock_directory(dir.path());
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_NE(r.errors.find((dir / test::line_description_name).string() + ": "), std::string::npos)
      << r.errors;
  test::expect_old_files(dir.path(), test::product_names());
  EXPECT_EQ(test::temporaries_in(dir.path()), std::vector<std::string>{});
}

// A program directory on a small RAM file system with room for the program
// and its text files but not for the plan file: a real full disk.
TEST(ScenarioFaults, FullDiskInsideThePlanFileKeepsTheOldBinaryFiles) {
  test::scratch_dir scratch;
  const fs::path dir = scratch / "disk";
  fs::create_directory(dir);
  const auto program_size = fs::file_size(fs::path(SCENARIO_BIN_DIR) / "scenario");
  const std::string size = std::to_string(program_size + 1024 * 1024);
  if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, ("size=" + size).c_str()) != 0)
    GTEST_SKIP() << "cannot mount a small file system here";
  const auto program = test::install_program(dir, "scenario");
  test::plant_old_files(dir, test::binary_names());
  const auto r = test::run_in(dir, test::quoted(program));
  expect_failure_report(r, dir / test::plan_name, "No space left on device");
  test::expect_old_files(dir, test::binary_names());
  EXPECT_EQ(test::temporaries_in(dir), std::vector<std::string>{});
  EXPECT_EQ(::umount(dir.c_str()), 0);
}

}  // namespace
}  // namespace scn
