// Windows-1252 to Unicode, and JSON string quoting.
#include "tool/text/json_text.h"

#include <cstdio>

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

std::string json_string_utf8(std::string_view utf8) {
  std::string out = "\"";
  for (unsigned char b : utf8) {
    if (b == '"' || b == '\\') {
      out += '\\';
      out += static_cast<char>(b);
    } else if (b < 0x20 || b == 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(b));
      out += buf;
    } else {
      out += static_cast<char>(b);
    }
  }
  return out + "\"";
}

std::string json_string(std::string_view bytes) {
  return json_string_utf8(cp1252_to_utf8(bytes));
}

}  // namespace scn::tool
