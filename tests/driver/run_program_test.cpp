// The program run as a process in a directory of its own: the files it
// writes, a second run over the first, and file failures.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <map>

#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

const char* const documents[] = {"BORGOLAGO-CIMAPASSO_51827_note.txt",
                                 "BORGOLAGO-CIMAPASSO_51827_rallentamenti.txt",
                                 "BORGOLAGO-CIMAPASSO_51827_scheda_treno.txt"};

TEST(RunProgram, WritesItsFilesNextToTheProgramNotTheWorkingDirectory) {
  test::scratch_dir program_dir;
  test::scratch_dir work_dir;
  const auto program = test::install_program(program_dir.path(), "scenario");
  const auto r = test::run_in(work_dir.path(), test::quoted(program));
  EXPECT_NE(r.exit_status, 1) << r.errors;
  EXPECT_TRUE(test::files_in(work_dir.path()).empty());
  for (const char* doc : documents) EXPECT_TRUE(fs::exists(program_dir / doc)) << doc;
  EXPECT_NE(r.errors.find("Attendere"), std::string::npos);
}

TEST(RunProgram, SecondRunReplacesEveryFile) {
  test::scratch_dir dir;
  const auto program = test::install_program(dir.path(), "scenario");
  test::run_in(dir.path(), test::quoted(program));
  std::map<std::string, std::string> first;
  for (const auto& name : test::files_in(dir.path())) first[name] = test::read_bytes(dir / name);
  for (const char* doc : documents) test::write_bytes(dir / doc, std::string(100000, 'x'));
  test::run_in(dir.path(), test::quoted(program));
  for (const auto& [name, bytes] : first) EXPECT_EQ(test::read_bytes(dir / name), bytes) << name;
}

TEST(RunProgram, TargetTakenByADirectoryEndsWithStatus1NamingTheFile) {
  test::scratch_dir dir;
  const auto program = test::install_program(dir.path(), "scenario");
  fs::create_directory(dir / documents[0]);
  const auto r = test::run_in(dir.path(), test::quoted(program));
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_NE(r.errors.find(documents[0]), std::string::npos) << r.errors;
  EXPECT_EQ(r.errors.find("terminate"), std::string::npos) << r.errors;
}

// A read-only program directory. As root, permissions do not stop writes, so
// the directory is made immutable instead where the file system allows it.
TEST(RunProgram, ReadOnlyDirectoryEndsWithStatus1NamingTheFile) {
  test::scratch_dir dir;
  const auto program = test::install_program(dir.path(), "scenario");
  const bool root = ::geteuid() == 0;
  const std::string lock = root ? "chattr +i " + test::quoted(dir.path()) + " 2>/dev/null"
                                : "chmod a-w " + test::quoted(dir.path());
  const std::string unlock = root ? "chattr -i " + test::quoted(dir.path()) + " 2>/dev/null"
                                  : "chmod u+w " + test::quoted(dir.path());
  if (std::system(lock.c_str()) != 0) GTEST_SKIP() << "cannot make a directory read-only here";
  const auto r = test::run_in(dir.path(), test::quoted(program));
  EXPECT_EQ(std::system(unlock.c_str()), 0);
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_NE(r.errors.find(dir.path().string()), std::string::npos) << r.errors;
  EXPECT_EQ(test::files_in(dir.path()), std::vector<std::string>{"scenario"});
}

}  // namespace
}  // namespace scn
