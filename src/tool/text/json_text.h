// JSON string literals from the model's single-byte (Windows-1252) texts.
#pragma once

#include <string>
#include <string_view>

namespace scn::tool {

// Unicode code point of a Windows-1252 byte (the five undefined bytes map
// to themselves, as C1 controls).
char32_t cp1252_code_point(unsigned char byte);

// The bytes as UTF-8, read as Windows-1252.
std::string cp1252_to_utf8(std::string_view bytes);

// A quoted JSON string: the bytes read as Windows-1252, control characters
// and quotes escaped.
std::string json_string(std::string_view bytes);

// A quoted JSON string from text that is already UTF-8.
std::string json_string_utf8(std::string_view utf8);

}  // namespace scn::tool
