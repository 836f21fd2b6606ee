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
  EXPECT_EQ(json_line(cp1252_to_utf8("GALLERIA 1\xB0")), "\"GALLERIA 1\xC2\xB0\"\n");
  EXPECT_EQ(json_line(cp1252_to_utf8("\x80")), "\"\xE2\x82\xAC\"\n");
  EXPECT_EQ(json_line(cp1252_to_utf8("a\"b\\c\n\x01")), "\"a\\\"b\\\\c\\n\\u0001\"\n");
}

// File names in JSON: valid UTF-8 stays as it is, anything else is read as
// Windows-1252, so a name never breaks the document.
TEST(JsonText, FileNamesAreUtf8AsOnDisk) {
  const struct {
    std::string on_disk;
    std::string shown;
  } cases[] = {
      {"PROVA_1.dat", "PROVA_1.dat"},
      {"CITT\xC3\x80_1.dat", "CITT\xC3\x80_1.dat"},                      // UTF-8 already
      {"CITT\xC0_1.dat", "CITT\xC3\x80_1.dat"},                          // Windows-1252 byte
      {"\xE2\x82\xAC\x80", "\xC3\xA2\xE2\x80\x9A\xC2\xAC\xE2\x82\xAC"},  // mixed: all 1252
      {"\xC0\x80", "\xC3\x80\xE2\x82\xAC"},              // overlong form is not UTF-8
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // surrogate is not UTF-8
      {"\xF0\x9F\x9A\x82", "\xF0\x9F\x9A\x82"},          // four bytes, valid
  };
  for (const auto& c : cases) {
    EXPECT_EQ(file_name_to_utf8(c.on_disk), c.shown) << c.on_disk;
    EXPECT_TRUE(is_valid_utf8(file_name_to_utf8(c.on_disk))) << c.on_disk;
  }
}

}  // namespace
}  // namespace scn::tool
