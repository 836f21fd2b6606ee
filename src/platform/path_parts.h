// A path split into its directory and its last name, the way the file steps
// that work inside a directory need it.
#pragma once

#include <string>

namespace scn {

struct path_parts {
  std::string directory;  // "." when the path names no directory
  std::string name;       // empty when the path ends with a separator
};

// Splits at the last separator: '/' everywhere, '\' too on Windows. The
// root keeps its separator ("/name" gives "/" and "name").
path_parts split_path(const std::string& path);

}  // namespace scn
