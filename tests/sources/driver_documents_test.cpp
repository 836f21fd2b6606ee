// Properties shared by the three driver documents: line count, end marker,
// the exact set of empty lines and pure 7-bit ASCII text.
#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "sources/document_lines.h"
#include "sources/notes_document_table.h"
#include "sources/slowdown_order_table.h"
#include "sources/timetable_card_table.h"

namespace scn {
namespace {

struct document_case {
  const char* name;
  test::document_filler fill;
  std::size_t line_count;
  std::set<std::size_t> empty_lines;
};

void PrintTo(const document_case& doc, std::ostream* out) {
  *out << doc.name;
}

std::set<std::size_t> notes_empty_lines() {
  std::set<std::size_t> lines{23, 31};
  for (std::size_t i = 66; i <= 78; ++i) lines.insert(i);
  return lines;
}

const std::vector<document_case>& document_cases() {
  static const std::vector<document_case> cases{
      {"timetable_card", fill_timetable_card, 59, {0, 1, 11, 57}},
      {"slowdown_order", fill_slowdown_order, 47, {0, 5, 6, 40}},
      {"notes_document", fill_notes_document, 80, notes_empty_lines()},
  };
  return cases;
}

class DriverDocument : public ::testing::TestWithParam<document_case> {};

TEST_P(DriverDocument, EndMarkerFollowsTheLastLineAndNothingAfterItIsTouched) {
  const document_case& doc = GetParam();
  auto table = std::make_unique<text_lines>();
  doc.fill(*table);
  EXPECT_EQ((*table)[doc.line_count], end_marker);
  for (std::size_t i = 0; i < doc.line_count; ++i) {
    EXPECT_NE((*table)[i], end_marker) << "line " << i;
  }
  for (std::size_t i = doc.line_count + 1; i < table->size(); ++i) {
    ASSERT_TRUE((*table)[i].empty()) << "slot " << i;
  }
}

TEST_P(DriverDocument, EmptyLinesAreExactlyTheBlankOnes) {
  const document_case& doc = GetParam();
  const std::vector<std::string> lines = test::document_lines(doc.fill);
  ASSERT_EQ(lines.size(), doc.line_count);
  std::set<std::size_t> empty;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) empty.insert(i);
  }
  EXPECT_EQ(empty, doc.empty_lines);
}

TEST_P(DriverDocument, IsPrintableSevenBitAscii) {
  const std::vector<std::string> lines = test::document_lines(GetParam().fill);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (const char ch : lines[i]) {
      const auto code = static_cast<unsigned char>(ch);
      EXPECT_TRUE(code >= 0x20 && code < 0x7F) << "line " << i << " byte " << int{code};
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllThree, DriverDocument, ::testing::ValuesIn(document_cases()),
                         [](const auto& test_case) { return std::string(test_case.param.name); });

}  // namespace
}  // namespace scn
