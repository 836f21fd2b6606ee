// Layout of the notes document: indentation and width of the prose,
// capitals only, the contributors' columns and the contact lines.
#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "sources/document_lines.h"
#include "sources/notes_document_table.h"

namespace scn {
namespace {

std::vector<std::string> notes() {
  return test::document_lines(fill_notes_document);
}

std::size_t indent(const std::string& line) {
  return line.find_first_not_of(' ');
}

// Lines indented otherwise than the prose, with their indent.
const std::vector<std::pair<std::size_t, std::size_t>> special_indents{
    {0, 25}, {34, 54}, {46, 9}, {65, 62}};

TEST(NotesDocument, ProseIsIndentedByTwoAndWrappedWithin106) {
  const std::vector<std::string> lines = notes();
  ASSERT_EQ(lines.size(), 80u);
  std::set<std::size_t> special{45, 79};
  for (const auto& [index, blanks] : special_indents) {
    EXPECT_EQ(indent(lines[index]), blanks) << "line " << index;
    special.insert(index);
  }
  for (std::size_t i = 0; i < 79; ++i) {
    EXPECT_LE(lines[i].size(), 106u) << "line " << i;
    if (special.contains(i) || lines[i].empty()) continue;
    EXPECT_EQ(indent(lines[i]), 2u) << "line " << i;
  }
}

TEST(NotesDocument, BlankOnlyLines) {
  const std::vector<std::string> lines = notes();
  ASSERT_EQ(lines.size(), 80u);
  EXPECT_EQ(lines[45], "   ");
  for (std::size_t i = 66; i <= 78; ++i) EXPECT_EQ(lines[i], "") << "line " << i;
  EXPECT_EQ(lines[79], std::string(241, ' '));
}

// Capitals only, apart from the e-mail label and the two addresses, which
// use the reserved example domain; zero is always written as the letter O.
TEST(NotesDocument, CapitalsOnlyOutsideTheAddresses) {
  std::vector<std::string> lines = notes();
  const std::regex address("(www\\.|e-mail  [a-z-]+@)[a-z-]+\\.example");
  std::size_t addresses = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    addresses += std::distance(std::sregex_iterator(lines[i].begin(), lines[i].end(), address),
                               std::sregex_iterator());
    const std::string rest = std::regex_replace(lines[i], address, "");
    for (const char ch : rest) {
      EXPECT_FALSE(std::islower(static_cast<unsigned char>(ch))) << "line " << i << ": " << rest;
    }
    EXPECT_EQ(lines[i].find('0'), std::string::npos) << "line " << i;
  }
  EXPECT_EQ(addresses, 2u);
}

TEST(NotesDocument, ContributorsListInTwoColumns) {
  const std::vector<std::string> lines = notes();
  for (const std::size_t i : {32, 33}) {
    EXPECT_EQ(indent(lines[i]), 2u) << "line " << i;
    EXPECT_EQ(lines[i][50], ' ') << "line " << i;
    EXPECT_EQ(lines[i][51], ' ') << "line " << i;
    EXPECT_NE(lines[i][52], ' ') << "line " << i;
  }
  EXPECT_TRUE(lines[30].ends_with(":"));
}

TEST(NotesDocument, ContactLines) {
  const std::vector<std::string> lines = notes();
  const std::string number = "\\+[1-9O]+ [1-9O]+ [1-9O]+";
  const std::regex telephone("  TELEFONO:(" + number + ") {6}FAX:(" + number +
                             ") {6}www\\.[a-z-]+\\.example");
  std::smatch parts;
  ASSERT_TRUE(std::regex_match(lines[64], parts, telephone)) << lines[64];
  EXPECT_EQ(parts[1].length(), 16);
  EXPECT_EQ(parts[2].length(), 16);
  EXPECT_TRUE(std::regex_match(lines[65], std::regex(" {62}e-mail  [a-z-]+@[a-z-]+\\.example    ")))
      << lines[65];
}

}  // namespace
}  // namespace scn
