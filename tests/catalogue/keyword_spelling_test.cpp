// Each keyword of the description formats is spelled in one place of the
// sources: the record catalogue. The embedded scenario's tables write whole
// record lines and are left out; so are comments.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/record_catalogue.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

bool word_char(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The string literals of a C++ source, comments skipped.
std::vector<std::string> string_literals(const std::string& src) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < src.size()) {
    if (src.compare(i, 2, "//") == 0) {
      i = src.find('\n', i);
      if (i == std::string::npos) break;
    } else if (src.compare(i, 2, "/*") == 0) {
      i = src.find("*/", i + 2);
      if (i == std::string::npos) break;
      i += 2;
    } else if (src.compare(i, 2, "R\"") == 0 && (i == 0 || !word_char(src[i - 1]))) {
      const std::size_t open = src.find('(', i);
      if (open == std::string::npos) break;
      const std::string close = ")" + src.substr(i + 2, open - i - 2) + "\"";
      const std::size_t end = src.find(close, open);
      if (end == std::string::npos) break;
      out.push_back(src.substr(open + 1, end - open - 1));
      i = end + close.size();
    } else if (src[i] == '\'' &&
               !(i > 0 && std::isxdigit(static_cast<unsigned char>(src[i - 1])))) {
      ++i;
      while (i < src.size() && src[i] != '\'') i += src[i] == '\\' ? 2 : 1;
      ++i;
    } else if (src[i] == '"') {
      std::string literal;
      ++i;
      while (i < src.size() && src[i] != '"') {
        if (src[i] == '\\') literal += src[i++];
        literal += src[i++];
      }
      ++i;
      out.push_back(literal);
    } else {
      ++i;
    }
  }
  return out;
}

std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// True when `word` stands in `text` as a whole word.
bool has_word(std::string_view text, std::string_view word) {
  for (auto at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
    const bool open = at == 0 || !word_char(text[at - 1]);
    const std::size_t end = at + word.size();
    if (open && (end == text.size() || !word_char(text[end]))) return true;
  }
  return false;
}

// Why a literal repeats the catalogue, or "" when it does not: a test word
// or a section line on its own, or a spelling as a word of it.
std::string repeats_catalogue(const std::string& literal) {
  const std::string l = lower(literal);
  for (const auto& r : all_records()) {
    for (const auto& w : r.words) {
      if (l == lower(w.text)) return "test word \"" + std::string(w.text) + "\"";
    }
    if (has_word(l, lower(r.spelling))) return "spelling \"" + std::string(r.spelling) + "\"";
  }
  for (const auto file : {description::line, description::train}) {
    for (const auto& s : sections_of(file)) {
      if (l == lower(s.header)) return "section \"" + std::string(s.header) + "\"";
    }
  }
  return "";
}

TEST(KeywordSpelling, StringLiteralsOfASource) {
  const auto literals = string_literals(
      "// \"pendenza\"\nf(\"a\\\"b\", 'x', '\"'); /* \"c\" */ R\"(d\"e)\" 0x1'000 \"f\" DIR\"g\"");
  EXPECT_EQ(literals, (std::vector<std::string>{"a\\\"b", "d\"e", "f", "g"}));
  EXPECT_EQ(repeats_catalogue("Pendenza"), "test word \"pendenza\"");
  EXPECT_EQ(repeats_catalogue("numero vetture,"), "spelling \"numero vetture\"");
  EXPECT_EQ(repeats_catalogue("curvature"), "");
  EXPECT_EQ(repeats_catalogue("memo_segnale"), "");
  EXPECT_EQ(repeats_catalogue("[Stazioni]"), "section \"[stazioni]\"");
}

TEST(KeywordSpelling, OnlyTheCatalogueSpellsKeywords) {
  const fs::path src = test::source_path("src");
  ASSERT_TRUE(fs::is_directory(src));
  std::size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    const fs::path& p = entry.path();
    if (p.extension() != ".cpp" && p.extension() != ".h") continue;
    const std::string rel = fs::relative(p, src).generic_string();
    if (rel.starts_with("sources/") || rel.starts_with("catalogue/record_catalogue.")) continue;
    std::ifstream in(p, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    ++files;
    for (const auto& literal : string_literals(text.str())) {
      const std::string why = repeats_catalogue(literal);
      EXPECT_TRUE(why.empty()) << rel << ": \"" << literal << "\" repeats the " << why;
    }
  }
  EXPECT_GT(files, 50u);
}

}  // namespace
}  // namespace scn
