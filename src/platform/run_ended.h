// The run was ended on purpose (the fatal error report, or a host failure
// that nothing handles); carries the exit status.
#pragma once

namespace scn {

struct run_ended {
  int exit_status;
};

}  // namespace scn
