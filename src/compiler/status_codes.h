// The codes of the status register in plain words.
#pragma once

#include <cstdint>
#include <string>

namespace scn {

// Short meaning of a status code; "unknown status" for codes never set.
const char* status_meaning(std::int32_t code);

// True for the codes that record a position in status_position.
bool status_has_position(std::int32_t code);

// One-line summary such as "status 8 (station position not a multiple of 50) at 4525 m".
std::string describe_status(std::int32_t code, std::int32_t position);

}  // namespace scn
