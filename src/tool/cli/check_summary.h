// The line that closes a check: the counts of what it found, or for a pair
// with nothing to report a one-line portrait of the scenario.
#pragma once

#include <string>
#include <vector>

#include "model/scenario.h"
#include "tool/check/check_findings.h"

namespace scn::tool {

std::string summary_line(const std::vector<finding>& findings, const scenario& s);

}  // namespace scn::tool
