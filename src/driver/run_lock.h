// The lock that lets one run at a time work in the program directory.
#pragma once

#include <memory>
#include <string>

#include "platform/directory_lock.h"

namespace scn {

// Waits until no other run holds the directory, then holds it until the
// result goes away. Throws file_error naming the lock file on failure.
std::unique_ptr<directory_lock> lock_run_directory(const std::string& directory, char separator);

}  // namespace scn
