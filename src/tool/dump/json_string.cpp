// Escaping of JSON strings and the check of JSON numbers.
#include "tool/dump/json_string.h"

#include <cstddef>

#include "tool/text/json_text.h"

namespace scn::tool {

namespace {

void append_control(std::string& out, unsigned char c) {
  static constexpr char hex[] = "0123456789abcdef";
  switch (c) {
    case '\b':
      out += "\\b";
      return;
    case '\f':
      out += "\\f";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  const char escape[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 0xF]};
  out.append(escape, sizeof escape);
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Moves `at` past a run of digits; whether there was at least one.
bool skip_digits(std::string_view text, std::size_t& at) {
  const std::size_t from = at;
  while (at < text.size() && is_digit(text[at])) ++at;
  return at > from;
}

}  // namespace

void append_json_string(std::string& out, std::string_view utf8) {
  out += '"';
  std::size_t plain = 0;  // start of the bytes not yet copied
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c >= 0x20 && c != '"' && c != '\\' && c < 0x80) {
      ++i;
      continue;
    }
    const std::size_t sequence = c >= 0x80 ? utf8_sequence_length(utf8.substr(i)) : 0;
    if (sequence != 0) {
      i += sequence;
      continue;
    }
    out.append(utf8.data() + plain, i - plain);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      append_control(out, c);
    } else {
      out += "\xEF\xBF\xBD";
    }
    plain = ++i;
  }
  out.append(utf8.data() + plain, utf8.size() - plain);
  out += '"';
}

bool is_json_number(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && text[at] == '-') ++at;
  if (at < text.size() && text[at] == '0') {
    ++at;
  } else if (!skip_digits(text, at)) {
    return false;
  }
  if (at < text.size() && text[at] == '.') {
    ++at;
    if (!skip_digits(text, at)) return false;
  }
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (!skip_digits(text, at)) return false;
  }
  return at == text.size();
}

}  // namespace scn::tool
