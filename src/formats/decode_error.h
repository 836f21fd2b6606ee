// A binary file that does not have the layout it should: where and why.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace scn {

class decode_error : public std::runtime_error {
 public:
  decode_error(std::size_t offset, const std::string& what)
      : std::runtime_error("at byte " + std::to_string(offset) + ": " + what), offset_(offset) {}
  std::size_t offset() const { return offset_; }

 private:
  std::size_t offset_;
};

}  // namespace scn
