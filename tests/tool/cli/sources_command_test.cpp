// "scenario-tool sources": the five text files of the embedded scenario,
// byte for byte the files the program writes before compiling.
#include <gtest/gtest.h>

#include "pipeline/run_files.h"
#include "sources/embedded_identity.h"
#include "sources/line_description_table.h"
#include "sources/replace_text_file.h"
#include "sources/train_description_table.h"
#include "support/process.h"

namespace scn {
namespace {

std::size_t count_crlf_lines(const std::string& bytes) {
  std::size_t n = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) n += bytes[i] == '\r' && bytes[i + 1] == '\n';
  return n;
}

TEST(SourcesCommand, WritesTheFiveTextFilesIntoTheChosenDirectory) {
  test::scratch_dir dir;
  const auto ok = test::run_in(dir.path(), test::tool() + " sources --out out");
  ASSERT_EQ(ok.exit_status, 0) << "the output directory is created: " << ok.errors;
  const auto f =
      make_run_files((dir / "out").string(), '/', scenario_line_name, scenario_train_number);
  const struct {
    std::string name;
    std::size_t lines;
  } expected[] = {{f.line_description, 471},
                  {f.train_description, 119},
                  {f.notes, 80},
                  {f.slowdown_order, 47},
                  {f.timetable_card, 59}};
  for (const auto& e : expected) {
    const auto bytes = test::read_bytes(e.name);
    EXPECT_EQ(count_crlf_lines(bytes), e.lines) << e.name;
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << e.name;
  }
  text_lines lines;
  fill_line_description(lines);
  std::int32_t end = 0;
  EXPECT_EQ(test::read_bytes(f.line_description), text_file_bytes(lines, end));
  EXPECT_EQ(end, 471);
  fill_train_description(lines);
  EXPECT_EQ(test::read_bytes(f.train_description), text_file_bytes(lines, end));
  EXPECT_EQ(end, 119);
}

}  // namespace
}  // namespace scn
