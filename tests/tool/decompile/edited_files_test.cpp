// Binary files changed by hand: the decompiler names what no description
// can give, and never fails on what it reads.
#include <gtest/gtest.h>

#include <random>

#include "tool/decompile/decompiler.h"
#include "tool/decompile/random_scenario.h"

namespace scn::tool::decompile {
namespace {

binary_files small_scenario(bool with_plan) {
  const auto d = test::random_scenario(7);
  return compile_descriptions("MODIFICATO", "12", d.line, d.train, with_plan).files;
}

TEST(EditedFiles, RandomByteChangesGiveFindingsOrAnIdenticalRoundTrip) {
  const binary_files original = small_scenario(true);
  ASSERT_TRUE(decompile(original).findings.empty());
  std::mt19937 rng(11);
  int with_findings = 0;
  for (int n = 0; n < 150; ++n) {
    binary_files edited = original;
    std::string& bytes = n % 3 == 0 ? edited.items : n % 3 == 1 ? edited.cells : *edited.plan;
    for (int k = 0; k < 1 + n % 4; ++k) {
      const auto at = std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(rng);
      bytes[at] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
    }
    try {
      const decompiled d = decompile(edited);
      if (d.findings.empty()) {
        const compiled again =
            compile_descriptions(d.line_name, d.train_number, d.line_text, d.train_text, true);
        EXPECT_TRUE(again.files.cells == edited.cells) << n;
        EXPECT_TRUE(again.files.items == edited.items) << n;
        EXPECT_TRUE(again.files.plan == edited.plan) << n;
      } else {
        ++with_findings;
      }
    } catch (const damaged_file&) {
      // A text length or a plan tag no decoder accepts.
    }
  }
  EXPECT_GT(with_findings, 50);
}

TEST(EditedFiles, FindingsNameTheCellOrRowAndExpressibleEditsComeBack) {
  const binary_files original = small_scenario(false);
  const struct {
    std::size_t offset;  // in the cell file
    char value;
    const char* where;  // the first finding, "" for none
  } cases[] = {
      {15 * 40 + 0, 9, "cell 40"},  // kind 9 is placed by no record
      {15 * 41 + 13, 0, ""},        // a gradient of -100 on one cell is a record of its own
      {15 * 42 + 12, 3, ""},        // so is a speed limit of 15 km/h
  };
  for (const auto& c : cases) {
    binary_files edited = original;
    edited.cells[c.offset] = c.value;
    const decompiled d = decompile(edited);
    EXPECT_EQ(d.findings.empty() ? "" : d.findings.front().where, c.where);
  }
}

}  // namespace
}  // namespace scn::tool::decompile
