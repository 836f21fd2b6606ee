// An advisory lock that serialises the runs of the program in one folder:
// a second run waits until the first has finished, then runs whole. The
// lock is held on a lock file in the folder (flock on POSIX, LockFileEx on
// Windows); other programs are not kept out.
#pragma once

#include <memory>
#include <string>

namespace scn {

// The name of the lock file inside the folder.
inline constexpr const char* lock_file_name = ".scenario.lock";

class directory_lock {
 public:
  virtual ~directory_lock() = default;

  // Waits for the lock of `directory`. Returns nothing with the system's
  // reason on failure. A folder where no file can be created (read-only,
  // no permission) is not locked: no run can write there, and the run's
  // own first write reports why. Nor is a folder whose file system has no
  // locks. The result is then a lock that holds nothing.
  static std::unique_ptr<directory_lock> acquire(const std::string& directory, std::string& reason);
};

}  // namespace scn
