// The one fatal report of the run.
#pragma once

#include <string>

#include "platform/platform.h"

namespace scn {

// " Errore n. " followed by the number, as the message box shows it.
std::string error_message(const std::string& a);

// Shows the message box and ends the run (throws run_ended with exit status 1).
[[noreturn]] void errore(platform& p, const std::string& a);

}  // namespace scn
