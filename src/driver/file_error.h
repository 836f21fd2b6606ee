// A file operation that failed: which file, and the system's reason.
#pragma once

#include <stdexcept>
#include <string>

namespace scn {

class file_error : public std::runtime_error {
 public:
  file_error(const std::string& file, const std::string& action, const std::string& reason)
      : std::runtime_error("cannot " + action + " " + file + ": " + reason), file_(file) {}
  const std::string& file() const { return file_; }

 private:
  std::string file_;
};

// The run was ended on purpose (the fatal error report); carries the exit status.
struct run_ended {
  int exit_status;
};

}  // namespace scn
