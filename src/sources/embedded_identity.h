// The identity of the embedded scenario: the line name and the train number
// its eight files are named after.
#pragma once

namespace scn {

inline constexpr const char* scenario_line_name = "BORGOLAGO-CIMAPASSO";
inline constexpr const char* scenario_train_number = "51827";

}  // namespace scn
