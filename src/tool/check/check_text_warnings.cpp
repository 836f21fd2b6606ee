// Warnings about a description file as a whole: empty, without its start
// section, or written in UTF-8 where the simulator reads Windows-1252.
#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/keyword_tests.h"
#include "catalogue/record_catalogue.h"
#include "catalogue/status_catalogue.h"
#include "tool/check/check_findings.h"
#include "tool/text/json_text.h"

namespace scn::tool {

namespace {

// Length of the UTF-8 sequence starting at `i`, or none when the bytes
// there are not one (overlong and surrogate forms count as not).
std::optional<std::size_t> utf8_sequence(std::string_view b, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(b[k]); };
  const unsigned char c = byte(i);
  std::size_t n = 0;
  std::uint32_t cp = 0;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF)
    n = 2, cp = c & 0x1Fu;
  else if (c >= 0xE0 && c <= 0xEF)
    n = 3, cp = c & 0x0Fu;
  else if (c >= 0xF0 && c <= 0xF4)
    n = 4, cp = c & 0x07u;
  else
    return std::nullopt;
  if (i + n > b.size()) return std::nullopt;
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0u) != 0x80u) return std::nullopt;
    cp = (cp << 6) | (byte(i + k) & 0x3Fu);
  }
  if ((n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
      (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
    return std::nullopt;
  return n;
}

// True when the bytes hold at least one multi-byte UTF-8 sequence and
// nothing that is not UTF-8.
bool reads_as_utf8(std::string_view b) {
  bool multi = false;
  for (std::size_t i = 0; i < b.size();) {
    const auto n = utf8_sequence(b, i);
    if (!n) return false;
    multi = multi || *n > 1;
    i += *n;
  }
  return multi;
}

void utf8_warnings(description file, const source_text& text, std::vector<finding>& out) {
  if (!reads_as_utf8(text.bytes())) return;
  for (std::int32_t l = 1; l <= text.line_count(); ++l) {
    const std::string_view line = text.line(l);
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (static_cast<unsigned char>(line[i]) < 0x80) continue;
      const std::size_t n = utf8_sequence(line, i).value_or(1);
      const std::string_view ch = line.substr(i, n);
      out.push_back(
          make_finding(false, "utf8-text", file, {l, static_cast<std::int32_t>(i) + 1},
                       "the file is written in UTF-8, but the simulator reads Windows-1252: \"" +
                           std::string(ch) + "\" is " + std::to_string(n) + " bytes, shown as \"" +
                           cp1252_to_utf8(ch) + "\""));
      break;
    }
  }
}

// The reader looks for the section inside any field; a field never spans a
// comma or a line end, so a search of the whole text finds the same.
bool has_generale(std::string_view bytes) {
  return contains_nocase(bytes, general_section);
}

}  // namespace

std::vector<finding> text_warnings(const compile_outcome& c) {
  std::vector<finding> out;
  for (const auto file : {description::line, description::train}) {
    const source_text* text = c.bytes.of(file);
    if (text == nullptr) continue;
    const char* which = file == description::line ? "line" : "train";
    bool blank = true;
    for (const char ch : text->bytes())
      if (ch != ' ' && ch != '\r' && ch != '\n' && ch != '\t') blank = false;
    if (blank) {
      out.push_back(make_finding(
          false, "empty-file", file, {},
          std::string("the ") + which + " description is empty: nothing of it is compiled"));
      continue;
    }
    // The line description without the section is refused (status 102).
    if (file == description::train && !has_generale(text->bytes()))
      out.push_back(make_finding(false, "no-generale", file, {},
                                 "no \"[generale]\" line: the train description is searched for "
                                 "it and nothing of the file is read"));
    utf8_warnings(file, *text, out);
  }
  return out;
}

}  // namespace scn::tool
