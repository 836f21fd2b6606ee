// JSON texts written straight into an output buffer, without building a
// document: strings escaped, numbers checked against the JSON grammar.
#pragma once

#include <string>
#include <string_view>

namespace scn::tool {

// Appends `utf8` as a quoted JSON string: quote and backslash escaped,
// control bytes as \b, \f, \n, \r, \t or \u00XX, well-formed UTF-8 as it
// is. A byte that starts no well-formed sequence becomes U+FFFD, so that
// the output stays valid whatever the input holds.
void append_json_string(std::string& out, std::string_view utf8);

// Whether `text` is a number as JSON writes it (what std::to_chars gives
// for every finite value is; "inf" and "nan" are not).
bool is_json_number(std::string_view text);

}  // namespace scn::tool
