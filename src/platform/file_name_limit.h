// The longest file name (one path component, in bytes) a folder accepts.
#pragma once

#include <cstddef>
#include <string>

namespace scn {

// The system's limit for names in `directory` (pathconf's NAME_MAX on
// POSIX; 255 on Windows, counted here in bytes, which is never more
// generous than the system's count of characters). 255 when the folder
// cannot tell.
std::size_t longest_file_name(const std::string& directory);

}  // namespace scn
