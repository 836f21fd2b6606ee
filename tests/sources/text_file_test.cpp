// Writing text tables: CR LF after every line, bytes as stored, the end
// marker stops the file, a second run replaces the first.
#include <gtest/gtest.h>

#include "pipeline/run_files.h"
#include "sources/replace_text_file.h"
#include "support/process.h"

namespace scn {
namespace {

TEST(TextFile, LinesEndWithCrLfAndKeepTheirBytes) {
  text_lines lines;
  lines[0] = "[generale]";
  lines[1] = "";
  lines[2] = "   ";
  lines[3] = "(GALLERIA 1\xB0)";
  lines[4] = std::string(end_marker);
  lines[5] = "never written";
  std::int32_t end_index = -1;
  EXPECT_EQ(text_file_bytes(lines, end_index), "[generale]\r\n\r\n   \r\n(GALLERIA 1\xB0)\r\n");
  EXPECT_EQ(end_index, 4);
}

TEST(TextFile, EndMarkerAnywhereEndsTheFileAndNeedsAnExactMatch) {
  text_lines lines;
  lines[0] = std::string(end_marker);
  lines[1] = "after";
  std::int32_t end_index = -1;
  EXPECT_EQ(text_file_bytes(lines, end_index), "");
  EXPECT_EQ(end_index, 0);

  lines[0] = "Riferimento fine del file";
  lines[1] = std::string(end_marker);
  EXPECT_EQ(text_file_bytes(lines, end_index), "Riferimento fine del file\r\n");
  EXPECT_EQ(end_index, 1);
}

TEST(TextFile, SecondRunReplacesALongerFile) {
  test::scratch_dir dir;
  const auto name = (dir / "doc.txt").string();
  test::write_bytes(name, std::string(5000, 'x'));
  text_lines lines;
  lines[0] = "one";
  lines[1] = std::string(end_marker);
  std::int32_t loop_index = 0;
  replace_text_file(name, lines, loop_index);
  EXPECT_EQ(test::read_bytes(name), "one\r\n");
  EXPECT_EQ(loop_index, 1);
}

TEST(RunFiles, NamesFollowTheIdentity) {
  const auto f = make_run_files("/opt/sim", '/', "BORGOLAGO-CIMAPASSO", "51827");
  EXPECT_EQ(f.line_description, "/opt/sim/BORGOLAGO-CIMAPASSO_linea.txt");
  EXPECT_EQ(f.train_description, "/opt/sim/BORGOLAGO-CIMAPASSO_51827-.txt");
  EXPECT_EQ(f.notes, "/opt/sim/BORGOLAGO-CIMAPASSO_51827_note.txt");
  EXPECT_EQ(f.slowdown_order, "/opt/sim/BORGOLAGO-CIMAPASSO_51827_rallentamenti.txt");
  EXPECT_EQ(f.timetable_card, "/opt/sim/BORGOLAGO-CIMAPASSO_51827_scheda_treno.txt");
  EXPECT_EQ(f.plan, "/opt/sim/BORGOLAGO-CIMAPASSO_linea.dat");
  EXPECT_EQ(f.items, "/opt/sim/BORGOLAGO-CIMAPASSO_51827.sim");
  EXPECT_EQ(f.cells, "/opt/sim/BORGOLAGO-CIMAPASSO_51827.dat");
}

TEST(RunFiles, SeparatorIsAlwaysAppended) {
  EXPECT_EQ(make_run_files("C:\\", '\\', "L", "1").plan, "C:\\\\L_linea.dat");
  EXPECT_EQ(make_run_files("/", '/', "a b", "0").items, "//a b_0.sim");
}

}  // namespace
}  // namespace scn
