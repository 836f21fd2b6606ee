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

}  // namespace scn
