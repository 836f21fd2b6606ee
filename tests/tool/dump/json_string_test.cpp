// JSON strings and numbers written without a JSON library: the exact bytes
// of each escape, and what the library reads back.
#include "tool/dump/json_string.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace scn::tool {
namespace {

struct escape_case {
  const char* what;
  std::string in;
  std::string out;         // the JSON text, quotes included
  bool reads_back = true;  // the parsed string equals the input
};

TEST(JsonString, EscapesExactlyWhatJsonRequires) {
  const std::string replacement = "\xEF\xBF\xBD";
  const std::vector<escape_case> cases = {
      {"plain text", "Borgolago 12+000", "\"Borgolago 12+000\""},
      {"empty", "", "\"\""},
      {"quote and backslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
      {"short control escapes", "\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
      {"other control bytes", std::string("\x01\x1f\0z", 4), "\"\\u0001\\u001f\\u0000z\""},
      {"DEL is not a control byte in JSON", "\x7f", "\"\x7f\""},
      {"two-, three- and four-byte UTF-8", "\xC2\xB0 \xE2\x82\xAC \xF0\x9F\x98\x80",
       "\"\xC2\xB0 \xE2\x82\xAC \xF0\x9F\x98\x80\""},
      {"overlong form", "\xC0\xAFx", "\"" + replacement + replacement + "x\"", false},
      {"surrogate", "\xED\xA0\x80", "\"" + replacement + replacement + replacement + "\"", false},
      {"sequence cut by the end", "a\xE2\x82", "\"a" + replacement + replacement + "\"", false},
      {"byte above the last code point", "\xF5\x80", "\"" + replacement + replacement + "\"",
       false},
      {"escape right after a UTF-8 sequence", "\xC2\xB0\"", "\"\xC2\xB0\\\"\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string out = "[";
    append_json_string(out, c.in);
    EXPECT_EQ(out.substr(1), c.out);
    out += ']';
    const auto parsed = nlohmann::json::parse(out);
    ASSERT_TRUE(parsed[0].is_string());
    if (c.reads_back) {
      EXPECT_EQ(parsed[0].get<std::string>(), c.in);
    }
  }
}

TEST(JsonString, NumbersFollowTheJsonGrammar) {
  for (const char* text : {"0", "-0", "12", "-3", "0.1", "2.5e-07", "1e+308", "5e-324", "1E5",
                           "-2.2250738585072014e-308", "123456789012.5"}) {
    EXPECT_TRUE(is_json_number(text)) << text;
    EXPECT_TRUE(nlohmann::json::parse(text).is_number()) << text;
  }
  for (const char* text : {"", "-", "inf", "-inf", "nan", "-nan", "01", "-01", "1.", ".5", "1e",
                           "1e+", "+1", "0x10", "1 ", " 1", "1.5.2", "--1"}) {
    EXPECT_FALSE(is_json_number(text)) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace scn::tool
