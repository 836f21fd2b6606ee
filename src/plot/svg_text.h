// Text for SVG output: item texts are Windows-1252 bytes, SVG is UTF-8 XML.
#pragma once

#include <string>
#include <string_view>

namespace scn::plot {

// Windows-1252 bytes to UTF-8 that XML can carry: bytes with no character in
// the code page and control bytes become U+FFFD, a tab becomes a blank.
std::string cp1252_to_xml_utf8(std::string_view bytes);

// Escapes the five XML special characters of UTF-8 text.
std::string xml_escape(std::string_view utf8);

// A Windows-1252 item text, ready to stand in SVG markup.
inline std::string svg_text(std::string_view cp1252) {
  return xml_escape(cp1252_to_xml_utf8(cp1252));
}

// Text with blanks trimmed at both ends and inner runs of blanks cut to one.
std::string collapse_blanks(std::string_view text);

// A board text such as "(GALLERIA  )(NAME )(Mt.300 Km.4+500)" as one readable
// line, "GALLERIA – NAME – Mt.300 Km.4+500", from Windows-1252 to UTF-8.
std::string board_caption(std::string_view cp1252);

// Number of characters of UTF-8 text (continuation bytes not counted).
std::size_t utf8_length(std::string_view utf8);

}  // namespace scn::plot
