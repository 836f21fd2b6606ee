// The text of the fatal report.
#include "pipeline/fatal_report.h"

namespace scn {

std::string error_message(const std::string& a) {
  return " Errore n. " + a;
}

}  // namespace scn
