// Substring tests by which keyword fields are recognised.
#pragma once

#include <string_view>

namespace scn {

// True when `word` occurs in `field`, ASCII letters compared without case.
bool contains_nocase(std::string_view field, std::string_view word);

// True when `word` occurs in `field` byte for byte.
bool contains_exact(std::string_view field, std::string_view word);

}  // namespace scn
