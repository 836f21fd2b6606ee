// Texts that go into a row of the item table: board texts and station names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "compiler/field_reader.h"
#include "compiler/input_failure.h"

namespace scn {

// Longest text an item row can hold: the item file writes its length in 16
// bits.
inline constexpr std::size_t max_item_text = 65535;

// The text of the field `in` read last, as an item row stores it. A longer
// text does not fit its field: an input failure located at that field.
inline std::string item_text(const field_reader& in, std::string_view text) {
  if (text.size() > max_item_text) {
    const field_location at = in.last_location();
    throw input_failure("text longer than 65535 bytes at line " + std::to_string(at.line) +
                            ", column " + std::to_string(at.column),
                        at);
  }
  return std::string(text);
}

}  // namespace scn
