// Checked writes to standard output.
#include "tool/cli/standard_output.h"

#include <cerrno>
#include <cstring>

#include "platform/file_error.h"

namespace scn::tool {

void checked_output::write() {
  errno = 0;
  const bool written = std::fwrite(buffer_.data(), 1, buffer_.size(), to_) == buffer_.size() &&
                       std::fflush(to_) == 0;
  buffer_.clear();
  if (!written) {
    throw file_error("standard output", "write",
                     errno != 0 ? std::strerror(errno) : "write failed");
  }
}

int finish_standard_output(int status) {
  errno = 0;
  const bool flushed = std::fflush(stdout) == 0;
  if (flushed && std::ferror(stdout) == 0) return status;
  std::fprintf(stderr, "scenario-tool: cannot write standard output: %s\n",
               !flushed && errno != 0 ? std::strerror(errno) : "a write failed");
  return 1;
}

}  // namespace scn::tool
