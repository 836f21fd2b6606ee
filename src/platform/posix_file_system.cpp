// POSIX file-system steps: rename(2) replaces the target atomically.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_system.h"

namespace scn {

bool move_over(const std::string& from, const std::string& to, std::string& reason) {
  errno = 0;
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  reason = std::strerror(errno);
  return false;
}

unsigned long current_process_id() {
  return static_cast<unsigned long>(::getpid());
}

}  // namespace scn
