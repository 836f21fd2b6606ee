// The run sequence when the host fails to show the wait window: the run
// ends with status 1, one line naming the cause, and writes nothing.
#include "driver/run_sequence.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>

#include "platform/program_guard.h"
#include "platform/run_ended.h"
#include "support/process.h"

namespace scn {
namespace {

class failing_window final : public platform {
 public:
  failing_window(std::string dir, std::function<void()> failure)
      : dir_(std::move(dir)), failure_(std::move(failure)) {}
  void show_wait_window() override { failure_(); }
  void show_message(const std::string&) override {}
  std::string program_directory() override { return dir_; }
  char path_separator() const override { return '/'; }

 private:
  std::string dir_;
  std::function<void()> failure_;
};

TEST(RunSequence, RefusedWaitWindowEndsTheRunWithStatus1AndNoFile) {
  test::scratch_dir dir;
  failing_window p(dir.path().string(), [] { throw run_ended{1}; });
  EXPECT_EQ(Form_Load(p), 1);
  EXPECT_TRUE(test::files_in(dir.path()).empty());
}

TEST(RunSequence, MemoryRunningOutAtTheWaitWindowIsOneLineAndStatus1) {
  test::scratch_dir dir;
  failing_window p(dir.path().string(), [] { throw std::bad_alloc(); });
  testing::internal::CaptureStderr();
  const int status = run_guarded("scenario", [&p] { return Form_Load(p); });
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "scenario: out of memory\n");
  EXPECT_EQ(status, 1);
  EXPECT_TRUE(test::files_in(dir.path()).empty());
}

}  // namespace
}  // namespace scn
