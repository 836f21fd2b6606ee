// The outermost guard of a program: whatever leaves the program's body as an
// exception ends it with one line on standard error naming the cause and
// exit status 1, never with an abort.
#pragma once

namespace scn {

// Reports the exception being handled and returns the exit status: the
// status a run_ended carries (its report was already made), otherwise 1
// after the line "PROGRAM: CAUSE". Call only inside a catch block.
int report_escaped_exception(const char* program) noexcept;

// Runs `body` (returning the exit status) under the guard.
template <typename Body>
int run_guarded(const char* program, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return report_escaped_exception(program);
  }
}

}  // namespace scn
