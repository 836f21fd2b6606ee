// Default identity from file names and the safety check of names.
#include <gtest/gtest.h>

#include "tool/cli/identity_names.h"
#include "tool/text/json_text.h"

namespace scn::tool {
namespace {

TEST(IdentityNames, DefaultsComeFromTheFileNames) {
  EXPECT_EQ(default_line_name("dir/BORGOLAGO-CIMAPASSO_linea.txt"), "BORGOLAGO-CIMAPASSO");
  EXPECT_EQ(default_line_name("C:\\x\\L_linea.txt"), "L");
  EXPECT_EQ(default_line_name("line.txt"), "line");
  EXPECT_EQ(default_train_number("d/BORGOLAGO-CIMAPASSO_51827-.txt", "BORGOLAGO-CIMAPASSO"),
            "51827");
  EXPECT_EQ(default_train_number("OTHER_7-.txt", "L"), "OTHER_7");
  EXPECT_EQ(default_train_number("t.txt", "L"), "t");
}

TEST(IdentityNames, UnsafeNamesAreRefusedAndOtherBytesKept) {
  for (const std::string bad : {"", "a/b", "a\\b", "..", "x..y", "a\tb", "a:b", "a*b", "a?b", "a<b",
                                "a>b", "a|b", "a\"b", "a\x7F"}) {
    EXPECT_TRUE(unsafe_name_reason(bad).has_value()) << bad;
  }
  for (const std::string good : {"51827", "BORGOLAGO-CIMAPASSO", "a b", "CITT\xC0", "x.y"}) {
    EXPECT_FALSE(unsafe_name_reason(good).has_value()) << good;
  }
}

TEST(JsonText, Windows1252BytesBecomeUnicode) {
  EXPECT_EQ(json_string("GALLERIA 1\xB0"), "\"GALLERIA 1\xC2\xB0\"");
  EXPECT_EQ(json_string("\x80"), "\"\xE2\x82\xAC\"");
  EXPECT_EQ(json_string("a\"b\\c\n"), "\"a\\\"b\\\\c\\u000A\"");
}

}  // namespace
}  // namespace scn::tool
