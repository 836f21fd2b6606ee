// Texts and numbers of the route plot: Windows-1252 to XML-safe UTF-8,
// escaping, board captions and coordinate formatting.
#include <gtest/gtest.h>

#include <cmath>

#include "plot/svg_text.h"
#include "plot/svg_writer.h"

namespace scn::plot {
namespace {

TEST(SvgText, ConvertsWindows1252ToUtf8ThatXmlCanCarry) {
  const struct {
    std::string in;
    const char* out;
  } cases[] = {
      {"Km.5+300", "Km.5+300"},
      {"1\xB0", "1\xC2\xB0"},
      {"\xE8\xC0", "\xC3\xA8\xC3\x80"},
      {"\x80\x96\x9F", "\xE2\x82\xAC\xE2\x80\x93\xC5\xB8"},
      {"\x81\x8D\x8F\x90\x9D", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {std::string("a\0b", 3),
       "a\xEF\xBF\xBD"
       "b"},
      {"\x1F\x7F", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"a\tb\r\n", "a b\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) EXPECT_EQ(cp1252_to_xml_utf8(c.in), c.out) << c.in;
}

TEST(SvgText, EscapesTheFiveSpecialCharacters) {
  EXPECT_EQ(xml_escape("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e&apos;f");
  EXPECT_EQ(svg_text("D'\xB0<"), "D&apos;\xC2\xB0&lt;");
}

TEST(SvgText, BoardCaptionJoinsTrimmedGroups) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"(GALLERIA 1\xB0   )(ROCCA     )(Mt.300 Km.5+300)",
       "GALLERIA 1\xC2\xB0 \xE2\x80\x93 ROCCA \xE2\x80\x93 Mt.300 Km.5+300"},
      {"( CULMINE )(Km.86+750)", "CULMINE \xE2\x80\x93 Km.86+750"},
      {"(   )(A)", "A"},
      {"  NO   GROUPS  ", "NO GROUPS"},
      {"(OPEN", "OPEN"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(board_caption(c.in), c.out) << c.in;
}

TEST(SvgText, CountsCharactersNotBytes) {
  EXPECT_EQ(utf8_length("CASTEL\xC2\xB0\xE2\x82\xAC"), 8u);
  EXPECT_EQ(collapse_blanks("  A   B "), "A B");
}

TEST(SvgNumbers, OneDecimalNoTrailingZeroNoNegativeZero) {
  const struct {
    double in;
    const char* out;
  } cases[] = {{0, "0"},     {3, "3"},       {-2.5, "-2.5"}, {1234.56, "1234.6"},
               {-0.04, "0"}, {0.25, "0.2"},  {0.35, "0.4"},  {1e6, "1000000"},
               {NAN, "0"},   {INFINITY, "0"}};
  for (const auto& c : cases) EXPECT_EQ(num(c.in), c.out) << c.in;
}

TEST(SvgWriter, WritesElementsWithClassesAndTooltips) {
  svg_writer w;
  w.open_tip("a &amp; b");
  w.rect(1, 2, 3.25, 4, "r");
  w.close("g");
  w.rotated_text(5, 6, -90, "t", "c");
  EXPECT_EQ(w.str(),
            "<g>\n<title>a &amp; b</title>\n"
            "<rect x=\"1\" y=\"2\" width=\"3.2\" height=\"4\" class=\"r\"/>\n</g>\n"
            "<text x=\"5\" y=\"6\" class=\"c\" transform=\"rotate(-90 5 6)\">t</text>\n");
}

}  // namespace
}  // namespace scn::plot
