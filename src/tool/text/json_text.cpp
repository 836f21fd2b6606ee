// Windows-1252 to Unicode, UTF-8 validation, and JSON lines.
#include "tool/text/json_text.h"

namespace scn::tool {

namespace {

// 0x80..0x9F; zero marks the bytes the code page leaves undefined.
constexpr char16_t c1_block[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                   0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void append_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

char32_t cp1252_code_point(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0 && c1_block[byte - 0x80] != 0) return c1_block[byte - 0x80];
  return byte;
}

std::string cp1252_to_utf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) append_utf8(out, cp1252_code_point(b));
  return out;
}

std::size_t utf8_sequence_length(std::string_view bytes) {
  if (bytes.empty()) return 0;
  const auto b = static_cast<unsigned char>(bytes[0]);
  const std::size_t length = b < 0x80           ? 1
                             : (b >> 5) == 0x6  ? 2
                             : (b >> 4) == 0xE  ? 3
                             : (b >> 3) == 0x1E ? 4
                                                : 0;
  if (length == 0 || length > bytes.size()) return 0;
  char32_t cp = length == 1 ? b : b & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto c = static_cast<unsigned char>(bytes[k]);
    if ((c & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (c & 0x3F);
  }
  constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

bool is_valid_utf8(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t length = utf8_sequence_length(bytes);
    if (length == 0) return false;
    bytes.remove_prefix(length);
  }
  return true;
}

std::string file_name_to_utf8(std::string_view bytes) {
  return is_valid_utf8(bytes) ? std::string(bytes) : cp1252_to_utf8(bytes);
}

std::string json_line(const nlohmann::ordered_json& document) {
  // Every text reaching a document is UTF-8 already; a stray byte would be
  // a fault upstream and is replaced rather than ending the run.
  return document.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace scn::tool
