// The fatal error: a message box, then the end of the run.
#include "driver/fatal_error.h"

#include "pipeline/fatal_report.h"
#include "platform/run_ended.h"

namespace scn {

void errore(platform& p, const std::string& a) {
  p.show_message(error_message(a));
  throw run_ended{1};
}

}  // namespace scn
