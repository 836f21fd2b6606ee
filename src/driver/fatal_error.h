// The program's fatal error: the report in a message box, then the end of
// the run.
#pragma once

#include <string>

#include "platform/platform.h"

namespace scn {

// Shows the message box and ends the run (throws run_ended with exit status 1).
[[noreturn]] void errore(platform& p, const std::string& a);

}  // namespace scn
