// Runs of the program that meet each other or an interrupt: eight runs
// started together in one folder are serialised by the folder's lock and
// leave exactly what one run leaves; a run interrupted while it writes
// removes its temporary file and its lock before it ends.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>

#include "robustness/fault_support.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> contents_of(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name != "scenario") files[name] = test::read_bytes(e.path());
  }
  return files;
}

TEST(RunLock, EightRunsTogetherLeaveWhatOneRunLeaves) {
  test::scratch_dir single;
  test::install_program(single.path(), "scenario");
  ASSERT_EQ(test::run_in(single.path(), "./scenario").exit_status, 0);

  test::scratch_dir shared;
  test::install_program(shared.path(), "scenario");
  const auto r =
      test::run_in(shared.path(),
                   "(pids=''; for i in 1 2 3 4 5 6 7 8; do ./scenario & pids=\"$pids $!\";"
                   " done; s=0; for p in $pids; do wait $p || s=1; done; exit $s)");
  EXPECT_EQ(r.exit_status, 0) << r.errors;
  EXPECT_EQ(contents_of(shared.path()), contents_of(single.path()));
  EXPECT_EQ(test::temporaries_in(shared.path()), std::vector<std::string>{});
}

// Starts the program in `dir` and sends it `signal_number` as soon as the
// `nth` temporary file appears; returns the raw wait status.
int interrupt_at_temporary(const fs::path& dir, int nth, int signal_number) {
  const int events = ::inotify_init1(IN_CLOEXEC);
  EXPECT_GE(events, 0);
  EXPECT_GE(::inotify_add_watch(events, dir.c_str(), IN_CREATE), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGTERM, SIG_DFL);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 2);
    if (::chdir(dir.c_str()) == 0) ::execl("./scenario", "scenario", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  alignas(inotify_event) char buffer[4096];
  int seen = 0;
  while (seen < nth) {
    const ssize_t n = ::read(events, buffer, sizeof buffer);
    if (n <= 0) break;
    for (ssize_t at = 0; at < n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
      if (e->len > 0 && std::string(e->name).rfind(".tmp", 0) == 0 && ++seen == nth) {
        ::kill(child, signal_number);
      }
      at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
    }
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ::close(events);
  return status;
}

// The sixth temporary file is the plan file's, the largest: the signal
// comes while it is being written, or a little later. Whenever it lands, no
// temporary and no lock file is left, and every binary file holds either
// its old bytes or the whole new file. The race is run until the signal has
// ended a run at least once.
TEST(RunLock, AnInterruptDuringAWriteRemovesTheTemporaryFile) {
  test::scratch_dir reference;
  test::install_program(reference.path(), "scenario");
  ASSERT_EQ(test::run_in(reference.path(), "./scenario").exit_status, 0);
  for (const int signal_number : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal_number);
    int interrupted = 0;
    for (int attempt = 0; attempt < 40 && interrupted == 0; ++attempt) {
      test::scratch_dir dir;
      test::install_program(dir.path(), "scenario");
      test::plant_old_files(dir.path(), test::binary_names());
      const int status = interrupt_at_temporary(dir.path(), 6, signal_number);
      ASSERT_TRUE(WIFEXITED(status)) << status;
      if (WEXITSTATUS(status) != 0) {
        EXPECT_EQ(WEXITSTATUS(status), 128 + signal_number);
        ++interrupted;
      }
      EXPECT_EQ(test::temporaries_in(dir.path()), std::vector<std::string>{});
      EXPECT_FALSE(fs::exists(dir / ".scenario.lock"));
      for (const auto& name : test::binary_names()) {
        const std::string bytes = test::read_bytes(dir / name);
        EXPECT_TRUE(bytes == "old " + name + "\r\n" || bytes == test::read_bytes(reference / name))
            << name << " is neither the old file nor the new one";
      }
    }
    EXPECT_GT(interrupted, 0);
  }
}

// A run that finds a lock file left by an interrupted run of another kind
// (a lock file nobody holds) takes it over and goes on.
TEST(RunLock, AnUnheldLockFileDoesNotStopARun) {
  test::scratch_dir dir;
  test::install_program(dir.path(), "scenario");
  test::write_bytes(dir / ".scenario.lock", "");
  const auto r = test::run_in(dir.path(), "./scenario");
  EXPECT_EQ(r.exit_status, 0) << r.errors;
  EXPECT_TRUE(fs::exists(dir / test::cell_name));
}

// A program directory the system cannot name (a path longer than it
// reports) stops the run with a message; nothing is written in the current
// directory instead. The folders are made one level at a time, each step
// relative to the last, as no single path may be that long.
TEST(RunLock, AProgramPathTooLongToReadStopsTheRunInsteadOfMovingIt) {
  test::scratch_dir dir;
  const std::string step(200, 'd');
  const std::string command =
      "for i in $(seq 22); do mkdir " + step + " && cd " + step + " || exit 9; done; cp " +
      test::quoted(fs::path(SCENARIO_BIN_DIR) / "scenario") + " scenario && cd .. && ./" + step +
      "/scenario; echo \"status $?\"; ls -A";
  fs::create_directory(dir / "top");
  test::write_bytes(dir / "deep.sh", "cd top\n" + command + "\n");
  // bash changes directory by the step alone; other shells join the path.
  const auto r = test::run_in(dir.path(), "bash deep.sh");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  if (r.output.find("status 0") != std::string::npos) {
    GTEST_SKIP() << "this system names paths this long";
  }
  EXPECT_EQ(r.output, "status 1\n" + step + "\n");
  EXPECT_NE(r.errors.find("cannot find the program's directory"), std::string::npos) << r.errors;
}

}  // namespace
}  // namespace scn
