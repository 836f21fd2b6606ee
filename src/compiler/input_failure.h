// A failure of the input itself while compiling a description: a read past
// the end of the file, a value that does not fit its field, a record that
// needs a track model that does not exist. The compiler turns it into
// status 25.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace scn {

// Where a field stands in its file: 1-based line and column of its first
// byte; 0 when the failure is not tied to a field.
struct field_location {
  std::int32_t line = 0;
  std::int32_t column = 0;
};

class input_failure : public std::runtime_error {
 public:
  explicit input_failure(const std::string& what, field_location where = {})
      : std::runtime_error(what), where_(where) {}
  const field_location& where() const { return where_; }

 private:
  field_location where_;
};

}  // namespace scn
