// Keyword recognition: substring tests, the dash rule and the end tests
// around each keyword, and the search for "[generale]".
#include "compiler/keyword_field.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/keyword_tests.h"

namespace scn {
namespace {

TEST(KeywordTests, SubstringWithAndWithoutCase) {
  EXPECT_TRUE(contains_nocase("VELOCITA", "velocit"));
  EXPECT_TRUE(contains_nocase("  curvaS6", "s"));
  EXPECT_FALSE(contains_nocase("[aderenze]", "aderenza"));
  EXPECT_TRUE(contains_nocase("x", ""));
  EXPECT_TRUE(contains_exact("progressiva chilometrica uno", "uno"));
  EXPECT_FALSE(contains_exact("Progressiva chilometrica uno", "progressiva"));
  EXPECT_FALSE(contains_nocase("\xC0", "\xE0"));  // only ASCII letters fold
}

// The word at the very start and end of the field, a near match before the
// real one, a field shorter than the word, and first characters that are
// not letters.
TEST(KeywordTests, SubstringWithoutCaseAtTheEdges) {
  const struct {
    const char* field;
    const char* word;
    bool found;
  } cases[] = {
      {"Pendenza", "pendenza", true},
      {"xxPENDENZA", "pendenza", true},
      {"pendenz", "pendenza", false},
      {"pendenzpendenza", "pendenza", true},
      {"PENDENZ A", "pendenza", false},
      {"", "a", false},
      {"[Generale]", "[generale]", true},
      {"ripetizione 9", "9", true},
      {"curva@", "`", false},
      {"Zz", "zZ", true},
  };
  for (const auto& c : cases) EXPECT_EQ(contains_nocase(c.field, c.word), c.found) << c.field;
}

// Every keyword read_keyword returns from `bytes` until it returns nothing.
std::vector<std::string> keywords(std::string_view bytes, int max_dashes) {
  field_reader in(bytes);
  std::vector<std::string> out;
  while (auto k = read_keyword(in, max_dashes)) out.emplace_back(*k);
  return out;
}

TEST(ReadKeyword, DashRuleAndEndTests) {
  const struct {
    const char* name;
    std::string bytes;
    int dashes;
    std::vector<std::string> expected;
  } cases[] = {
      {"two dash fields discarded", "- a\r\n- b\r\nkey\r\nx", 2, {"key"}},
      {"third dash field is tested", "-a\r\n-b\r\n-c\r\nx", 2, {"-c"}},
      {"ten in the general part", std::string(), 10, {}},
      {"last field is never a keyword", "a\r\nb", 2, {"a"}},
      {"last field after a dash field", "a\r\n-b\r\nc", 2, {"a"}},
      {"trailing line end makes the end", "a\r\nb\r\n", 2, {"a"}},
      {"dash field reaching the end", "a\r\n-b", 2, {"a"}},
  };
  for (const auto& c : cases) EXPECT_EQ(keywords(c.bytes, c.dashes), c.expected) << c.name;

  std::string ten_dashes;
  for (int i = 0; i < 10; ++i) ten_dashes += "-\r\n";
  EXPECT_EQ(keywords(ten_dashes + "key\r\nx", 10), std::vector<std::string>{"key"});
  EXPECT_EQ(keywords(ten_dashes + "-11\r\nx", 10), std::vector<std::string>{"-11"});
}

TEST(FindGenerale, SearchesAnyCaseAndNeedsSomethingAfter) {
  const struct {
    std::string bytes;
    bool found;
    std::string next;
  } cases[] = {
      {"[generale]\r\nx,1", true, "x"}, {"junk, more\r\n  [GENERALE] \r\ny", true, "y"},
      {"[generale]\r\n", false, ""},    {"[generale]", false, ""},
      {"nothing here\r\n", false, ""},
  };
  for (const auto& c : cases) {
    field_reader in(c.bytes);
    EXPECT_EQ(find_generale(in), c.found) << c.bytes;
    if (c.found) {
      EXPECT_EQ(in.read_text(), c.next);
    }
  }
}

}  // namespace
}  // namespace scn
