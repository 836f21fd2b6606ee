// Entry point of the scenario compiler: one unattended run. The host's
// windows are made inside the guard, so that no failure escapes it.
#include "driver/run_sequence.h"
#include "platform/program_guard.h"

int main() {
  return scn::run_guarded("scenario", [] {
    auto p = scn::make_platform();
    return scn::Form_Load(*p);
  });
}
