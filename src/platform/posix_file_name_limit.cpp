// The name limit on POSIX, from pathconf.
#include <unistd.h>

#include "platform/file_name_limit.h"

namespace scn {

std::size_t longest_file_name(const std::string& directory) {
  const long limit = ::pathconf(directory.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

}  // namespace scn
