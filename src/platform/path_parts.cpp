// Splitting a path into directory and name.
#include "platform/path_parts.h"

namespace scn {

path_parts split_path(const std::string& path) {
#if defined(_WIN32)
  const auto cut = path.find_last_of("/\\");
#else
  const auto cut = path.find_last_of('/');
#endif
  if (cut == std::string::npos) return {".", path};
  const bool root = cut == 0 || (cut == 2 && path[1] == ':');
  return {path.substr(0, root ? cut + 1 : cut), path.substr(cut + 1)};
}

}  // namespace scn
