// Code-page conversion and escaping of the texts drawn in the route plot.
#include "tool/svg_text.h"

#include <array>
#include <cstdint>

namespace scn {
namespace {

constexpr char32_t replacement = 0xFFFD;

// Characters of the bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr std::array<char32_t, 32> high_controls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t code_point(unsigned char b) {
  if (b == '\t') return U' ';
  if (b < 0x20 || b == 0x7F) return replacement;
  if (b >= 0x80 && b < 0xA0) {
    const char32_t c = high_controls[b - 0x80];
    return c == 0 ? replacement : c;
  }
  return b;  // ASCII and Latin-1 share their code points with Unicode
}

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string cp1252_to_utf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (const char b : bytes) append_utf8(out, code_point(static_cast<unsigned char>(b)));
  return out;
}

std::string xml_escape(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (const char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string collapse_blanks(std::string_view text) {
  std::string out;
  bool blank = false;
  for (const char c : text) {
    if (c == ' ') {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

std::string board_caption(std::string_view cp1252) {
  std::string joined;
  std::size_t at = 0;
  while (at < cp1252.size()) {
    const std::size_t open = cp1252.find('(', at);
    if (open == std::string_view::npos) break;
    const std::size_t shut = cp1252.find(')', open + 1);
    const std::size_t stop = shut == std::string_view::npos ? cp1252.size() : shut;
    const std::string group = collapse_blanks(cp1252.substr(open + 1, stop - open - 1));
    if (!group.empty()) joined += (joined.empty() ? "" : " \x96 ") + group;
    at = stop + 1;
  }
  if (joined.empty()) joined = collapse_blanks(cp1252);
  return cp1252_to_utf8(joined);
}

std::size_t utf8_length(std::string_view utf8) {
  std::size_t n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

}  // namespace scn
