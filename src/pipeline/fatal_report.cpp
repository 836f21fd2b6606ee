// The fatal report: a message box, then the end of the run.
#include "pipeline/fatal_report.h"

#include "platform/run_ended.h"

namespace scn {

std::string error_message(const std::string& a) {
  return " Errore n. " + a;
}

void errore(platform& p, const std::string& a) {
  p.show_message(error_message(a));
  throw run_ended{1};
}

}  // namespace scn
