// Sizes of open files on POSIX: fstat.
#include <sys/stat.h>

#include "platform/unique_file.h"

namespace scn {

bool size_of_open_file(std::FILE* f, std::uint64_t& size) {
  struct stat st {};
  if (::fstat(::fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  size = static_cast<std::uint64_t>(st.st_size);
  return true;
}

}  // namespace scn
