// A failure of the host that the run cannot go on without, such as not
// finding the program's own directory; the message says what failed.
#pragma once

#include <stdexcept>

namespace scn {

struct platform_error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace scn
