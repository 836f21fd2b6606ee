// The outermost guard: one line per escaped exception. Nothing here
// allocates, so that it also works when memory has run out.
#include "platform/program_guard.h"

#include <cstdio>
#include <exception>
#include <new>

#include "platform/run_ended.h"

namespace scn {

int report_escaped_exception(const char* program) noexcept {
  try {
    throw;
  } catch (const run_ended& e) {
    return e.exit_status;
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "%s: out of memory\n", program);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", program, e.what());
  } catch (...) {
    std::fprintf(stderr, "%s: stopped by an exception of unknown kind\n", program);
  }
  return 1;
}

}  // namespace scn
