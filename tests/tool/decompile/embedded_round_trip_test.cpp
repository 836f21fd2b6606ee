// The scenario the program carries, compiled, decompiled and compiled again:
// the same three files, byte for byte.
#include <gtest/gtest.h>

#include "compiler/compile_fixture.h"
#include "sources/line_description_table.h"
#include "sources/train_description_table.h"
#include "tool/decompile/decompiler.h"

namespace scn::tool::decompile {
namespace {

using scn::testing::table_bytes;

compiled compile_embedded(bool with_plan) {
  return compile_descriptions("BORGOLAGO-CIMAPASSO", "51827", table_bytes(fill_line_description),
                              table_bytes(fill_train_description), with_plan);
}

std::string findings_text(const decompiled& d) {
  std::string out;
  for (const auto& f : d.findings) out += f.where + ": " + f.what + "\n";
  return out;
}

TEST(EmbeddedRoundTrip, AllThreeFilesComeBackByteForByte) {
  const compiled original = compile_embedded(true);
  ASSERT_EQ(original.status_code, 0);
  const decompiled d = decompile(original.files);
  EXPECT_EQ(findings_text(d), "");
  EXPECT_EQ(d.line_name, "BORGOLAGO-CIMAPASSO");
  EXPECT_EQ(d.train_number, "51827");
  const compiled again =
      compile_descriptions(d.line_name, d.train_number, d.line_text, d.train_text, true);
  EXPECT_EQ(again.status_code, 0);
  EXPECT_TRUE(again.files.cells == original.files.cells);
  EXPECT_TRUE(again.files.items == original.files.items);
  EXPECT_TRUE(again.files.plan == original.files.plan);
}

TEST(EmbeddedRoundTrip, WithoutThePlanEverythingButTheCurvesComesBack) {
  const compiled original = compile_embedded(false);
  ASSERT_FALSE(original.files.plan.has_value());
  const decompiled d = decompile(original.files);
  EXPECT_EQ(findings_text(d), "");
  EXPECT_EQ(d.line_text.find("curva"), std::string::npos);
  const compiled again =
      compile_descriptions(d.line_name, d.train_number, d.line_text, d.train_text, false);
  EXPECT_TRUE(again.files.cells == original.files.cells);
  EXPECT_TRUE(again.files.items == original.files.items);
}

TEST(EmbeddedRoundTrip, RecoversTheRecordCountsOfTheTables) {
  const decompiled d = decompile(compile_embedded(true).files);
  const auto count = [](const std::string& text, const std::string& keyword) {
    std::size_t n = 0;
    for (std::size_t at = text.find("\r\n" + keyword); at != std::string::npos;
         at = text.find("\r\n" + keyword, at + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(count(d.line_text, "cartello_indicatore,"), 51u);
  EXPECT_EQ(count(d.line_text, "indicatori_vmax,"), 10u);
  EXPECT_EQ(count(d.line_text, "montagna,"), 40u);
  EXPECT_EQ(count(d.train_text, "stazione,"), 27u);
  EXPECT_EQ(count(d.train_text, "segnale,"), 42u);
  EXPECT_EQ(count(d.train_text, "rallentamento,"), 5u);
  // The marks around the slowdowns are the marker pass's own.
  EXPECT_EQ(count(d.train_text, "abbattimento,"), 0u);
}

}  // namespace
}  // namespace scn::tool::decompile
