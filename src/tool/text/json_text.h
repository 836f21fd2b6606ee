// Texts for JSON output: the model's single-byte (Windows-1252) texts and
// file names as UTF-8, and the printing of one JSON document.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace scn::tool {

// Unicode code point of a Windows-1252 byte (the five undefined bytes map
// to themselves, as C1 controls).
char32_t cp1252_code_point(unsigned char byte);

// The bytes as UTF-8, read as Windows-1252.
std::string cp1252_to_utf8(std::string_view bytes);

// Length (1 to 4) of the well-formed UTF-8 sequence that begins the bytes,
// or 0 when none does: no bytes, a stray byte, a sequence cut short, an
// overlong form, a surrogate or a code point beyond U+10FFFF.
std::size_t utf8_sequence_length(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool is_valid_utf8(std::string_view bytes);

// A file name as it is on disk, as UTF-8: valid UTF-8 bytes as they are,
// other bytes read as Windows-1252.
std::string file_name_to_utf8(std::string_view bytes);

// The document as one line of compact JSON, line end included.
std::string json_line(const nlohmann::ordered_json& document);

}  // namespace scn::tool
