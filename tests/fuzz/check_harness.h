// One fuzz case through check's analysis: the pair compiled in analysis
// mode, which reads on where the program stops, every finding collected
// and rendered both ways, and the invariants that must hold whatever the
// input.
#pragma once

#include <string>
#include <string_view>

namespace scn::fuzz {

// The input is split as the compiler's fuzz case splits it (see
// split_at_nul). Returns the first invariant the analysis breaks, or an
// empty string.
std::string check_analysis_case(std::string_view input);

}  // namespace scn::fuzz
