// The outermost guard of both programs: every exception that leaves the
// body becomes one line naming its cause and exit status 1.
#include "platform/program_guard.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include "platform/file_error.h"
#include "platform/run_ended.h"

namespace scn {
namespace {

struct guard_case {
  const char* name;
  std::function<int()> body;
  int exit_status;
  std::string errors;
};

TEST(ProgramGuard, EachEscapedExceptionIsOneLineAndStatus1) {
  const guard_case cases[] = {
      {"clean run", [] { return 0; }, 0, ""},
      {"status left set", [] { return 2; }, 2, ""},
      {"out of memory", []() -> int { throw std::bad_alloc(); }, 1, "scenario: out of memory\n"},
      {"array too long", []() -> int { throw std::bad_array_new_length(); }, 1,
       "scenario: out of memory\n"},
      {"library error", []() -> int { throw std::length_error("vector::reserve"); }, 1,
       "scenario: vector::reserve\n"},
      {"file error", []() -> int { throw file_error("X.dat", "write", "No space left on device"); },
       1, "scenario: cannot write X.dat: No space left on device\n"},
      {"fatal report already shown", []() -> int { throw run_ended{1}; }, 1, ""},
      {"unknown kind", []() -> int { throw 42; }, 1,
       "scenario: stopped by an exception of unknown kind\n"},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    const int status = run_guarded("scenario", c.body);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.errors) << c.name;
    EXPECT_EQ(status, c.exit_status) << c.name;
  }
}

}  // namespace
}  // namespace scn
