// Whether two names lead to the same file: same device and inode on POSIX,
// same volume and file ID on Windows. Links, "..", different spellings and
// hard links all resolve to the file itself.
#pragma once

#include <optional>
#include <string>

namespace scn {

struct file_identity {
  unsigned long long device = 0;
  unsigned long long file = 0;
  bool operator==(const file_identity&) const = default;
};

// The identity of the file a path names (links followed), or nothing when
// there is none (missing, unreachable).
std::optional<file_identity> identify_file(const std::string& path);

// The identity of the file standard output writes to, when it is a
// regular file; nothing for a terminal, a pipe or a device.
std::optional<file_identity> identify_standard_output();

}  // namespace scn
