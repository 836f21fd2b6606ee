// The in-memory compile the tool's commands share: the binary files'
// bytes only when asked for, the plan only with the output switch on, the
// fatal report kept with nothing written, a missing description met as a
// missing file, the observer given sees what is read.
#include "pipeline/memory_compile.h"

#include <gtest/gtest.h>

#include "compiler/compile_fixture.h"
#include "sources/line_description_table.h"
#include "sources/train_description_table.h"
#include "support/process.h"

namespace scn {
namespace {

TEST(MemoryCompile, KeepsTheFilesAskedForAndThePlanOnlyWithTheSwitch) {
  const std::string line = testing::table_bytes(fill_line_description);
  const std::string train = testing::table_bytes(fill_train_description);
  const struct {
    memory_compile_options options;
    bool cells, plan;
  } cases[] = {
      {{.with_plan = true, .keep_files = true}, true, true},
      {{.with_plan = false, .keep_files = true}, true, false},
      {{.with_plan = true, .keep_files = false}, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.options.with_plan ? "plan" : "no plan") +
                 (c.options.keep_files ? ", kept" : ", not kept"));
    memory_compile out;
    compile_in_memory(out, "BORGOLAGO-CIMAPASSO", "51827", line, train, c.options);
    EXPECT_EQ(out.fatal_error, "");
    EXPECT_EQ(out.s.status_code, 0);
    EXPECT_EQ(out.s.items[line_row].text, "BORGOLAGO-CIMAPASSO");
    EXPECT_EQ(out.files.cells.size(), c.cells ? 15u * out.s.track_cells.size() : 0u);
    EXPECT_EQ(out.files.items.empty(), !c.cells);
    EXPECT_EQ(out.files.plan.has_value(), c.plan);
  }
}

TEST(MemoryCompile, TheFatalReportIsKeptAndNothingIsWritten) {
  const auto dir = test::fixture("error_1250");
  memory_compile out;
  compile_in_memory(out, "PROVA-1250", "00001", test::read_bytes(dir / "PROVA-1250_linea.txt"),
                    test::read_bytes(dir / "PROVA-1250_00001-.txt"), {.keep_files = true});
  EXPECT_EQ(out.fatal_error, "1250");
  EXPECT_TRUE(out.files.cells.empty());
  EXPECT_TRUE(out.files.items.empty());
  EXPECT_FALSE(out.files.plan.has_value());
}

TEST(MemoryCompile, AMissingTrainDescriptionIsMetAsAMissingFile) {
  compile_trace trace;
  memory_compile out;
  compile_in_memory(out, "A", "1", testing::line_text({}), std::nullopt, {.trace = &trace});
  memory_compile empty;
  compile_in_memory(empty, "A", "1", testing::line_text({}), testing::empty_train);
  EXPECT_NE(out.s.status_code, 0);
  EXPECT_EQ(empty.s.status_code, 0);
  EXPECT_FALSE(trace.records().empty()) << "the observer saw the line description";
}

}  // namespace
}  // namespace scn
