// The valid name closest to a mistyped one, for "did you mean ...?".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scn::tool {

// The candidate at the smallest edit distance from `typed`, when that
// distance is small enough for a typing mistake (at most a third of the
// longer name, and at least 2), or a candidate that `typed` begins.
std::optional<std::string> closest_name(std::string_view typed,
                                        const std::vector<std::string>& candidates);

}  // namespace scn::tool
