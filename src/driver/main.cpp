// Entry point of the scenario compiler: one unattended run.
#include "driver/run_sequence.h"

int main() {
  auto p = scn::make_platform();
  return scn::Form_Load(*p);
}
