// Locking the program directory for one run.
#include "driver/run_lock.h"

#include "platform/file_error.h"

namespace scn {

std::unique_ptr<directory_lock> lock_run_directory(const std::string& directory, char separator) {
  std::string why;
  auto lock = directory_lock::acquire(directory, why);
  if (!lock) throw file_error(directory + separator + lock_file_name, "lock", why);
  return lock;
}

}  // namespace scn
