// The format markers and the two check codes stamped into the model before
// output: a plain and a position-weighted sum over the scenario's identity.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/scenario.h"

namespace scn {

inline constexpr std::int16_t line_row_format_marker = 610;
inline constexpr std::int16_t cell_format_marker = 5121;

// Characters of the check string the codes are summed over.
inline constexpr std::size_t check_length = 25;

// The train number and the line name, in that order, with A to Z lowered,
// followed by a fixed tail that makes the string at least 25 characters long.
std::string check_string(const std::string& train_number, const std::string& line_name);

// Sum of the code-page values of the first 25 characters of the check string
// built from the train row and the line row; the string is left in `keyword`.
std::int16_t codice_gara_og(scenario& s);

// Sum of value × place (1 to 25) over the same characters; can exceed 32767.
std::int32_t codice_gara_st(scenario& s);

// Stamps the format markers into the line row and cell 1, then the weighted
// code into the line row and the plain code into cell 1. A slot that is
// already taken is reported through `errore` (1250 for the markers, 1251 for
// the codes), which ends the run; should it return, the stamping stops there
// and the result is false. Needs a model with cells.
bool stamp_check_codes(scenario& s, const std::function<void(const std::string&)>& errore);

}  // namespace scn
