// The run sequence of the program: identity, wait window, the text writers,
// the finishing procedure, the end.
#pragma once

#include "platform/platform.h"

namespace scn {

// Runs the whole program; returns the exit status: 0 clean, 2 when a status
// code was left set, 1 for the fatal report or a file failure.
int Form_Load(platform& p);

}  // namespace scn
