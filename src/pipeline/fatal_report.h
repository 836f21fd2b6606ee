// The text of the one fatal report of a run.
#pragma once

#include <string>

namespace scn {

// " Errore n. " followed by the number, as the message box shows it.
std::string error_message(const std::string& a);

}  // namespace scn
