// Sizes of open files on Windows: the 64-bit fstat of the C runtime.
#include <sys/stat.h>
#include <sys/types.h>

#include "platform/unique_file.h"

namespace scn {

bool size_of_open_file(std::FILE* f, std::uint64_t& size) {
  struct _stat64 st {};
  if (_fstat64(_fileno(f), &st) != 0 || (st.st_mode & _S_IFREG) == 0) return false;
  size = static_cast<std::uint64_t>(st.st_size);
  return true;
}

}  // namespace scn
