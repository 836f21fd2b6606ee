// Code-page conversion and escaping of the texts drawn in the route plot.
#include "plot/svg_text.h"

#include "tool/text/json_text.h"

namespace scn::plot {
namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";  // U+FFFD

// True for the two-byte UTF-8 form of a C1 control, U+0080 to U+009F: the
// bytes Windows-1252 leaves undefined come out of the conversion as these.
bool is_c1(std::string_view utf8, std::size_t k) {
  return k + 1 < utf8.size() && static_cast<unsigned char>(utf8[k]) == 0xC2 &&
         static_cast<unsigned char>(utf8[k + 1]) < 0xA0;
}

}  // namespace

std::string cp1252_to_xml_utf8(std::string_view bytes) {
  const std::string utf8 = tool::cp1252_to_utf8(bytes);
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t k = 0; k < utf8.size(); ++k) {
    const auto c = static_cast<unsigned char>(utf8[k]);
    if (c == '\t') {
      out += ' ';
    } else if (c < 0x20 || c == 0x7F) {
      out += replacement;
    } else if (is_c1(utf8, k)) {
      out += replacement;
      ++k;
    } else {
      out += utf8[k];
    }
  }
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
  return cp1252_to_xml_utf8(joined);
}

std::size_t utf8_length(std::string_view utf8) {
  std::size_t n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

}  // namespace scn::plot
