// The file-system steps whose form differs between hosts. One implementation
// is compiled in per build: POSIX, or Win32 for the Windows build.
#pragma once

#include <string>

namespace scn {

// Renames `from` to `to` in one step, replacing an existing `to`, so that a
// reader of `to` sees the old file or the new one and never a mixture. On
// failure returns false and leaves the system's reason in `reason`.
bool move_over(const std::string& from, const std::string& to, std::string& reason);

// Identifies the running process among others that may write beside it.
unsigned long current_process_id();

}  // namespace scn
