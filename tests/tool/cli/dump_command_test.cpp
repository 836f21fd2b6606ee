// "scenario-tool dump" through the process boundary: known values come back,
// damaged files give an error with the byte offset.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "pipeline/pipeline.h"
#include "platform/file_ops.h"
#include "support/process.h"

namespace scn {
namespace {

void write_model(const test::scratch_dir& dir) {
  scenario s;
  s.output_switch = 1;
  dimension(s, 100);
  s.track_cells[1].value1 = 5121;
  s.track_cells[1].value2 = 2321;
  s.track_cells[2].gradient = 78;
  s.track_cells[2].speed_limit = 24;
  s.items[85].text = "BORGOLAGO-CIMAPASSO";
  s.items[85].number = 32743;
  s.items[80].text = "(GALLERIA 1\xB0)";
  s.plan.set_integer(1, 1, 1);
  s.plan.set_real(2, 1, 2.5);
  finishing_io io;
  io.plan_file = (dir / "L_linea.dat").string();
  io.item_file = (dir / "L_1.sim").string();
  io.cell_file = (dir / "L_1.dat").string();
  io.write_file = replace_file_in_pieces;
  write_binary_files(s, io);
}

TEST(DumpCommand, DecodesKnownValues) {
  test::scratch_dir dir;
  write_model(dir);
  auto r = test::run_in(dir.path(), test::tool() + " dump L_1.dat --format csv");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  EXPECT_NE(r.output.find("\n1,0,0,empty,5121,2321,0,0,0,0,0,0,-100,0\n"), std::string::npos);
  EXPECT_NE(r.output.find("\n2,50,0,empty,0,0,0,0,0,0,0,120,-22,0\n"), std::string::npos);

  r = test::run_in(dir.path(), test::tool() + " dump L_1.sim --format json");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  const auto doc = nlohmann::json::parse(r.output);
  EXPECT_EQ(doc["file"], "items");
  const auto& line = doc["rows"][85];
  EXPECT_EQ(line["row"], 85);
  EXPECT_EQ(line["role"], "line");
  EXPECT_EQ(line["text"], "BORGOLAGO-CIMAPASSO");
  EXPECT_EQ(line["number"], 32743);
  EXPECT_EQ(doc["rows"][80]["role"], "board text");
  EXPECT_NE(r.output.find("(GALLERIA 1\xC2\xB0)"), std::string::npos);
  // One row per line, so that a reader can take the rows one at a time.
  EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 87 + 2);

  r = test::run_in(dir.path(), test::tool() + " dump L_linea.dat --format csv");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  EXPECT_NE(r.output.find("\n1,empty,,integer,1\n2,empty,,double,2.5\n"), std::string::npos);

  r = test::run_in(dir.path(), test::tool() + " dump L_1.dat");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  EXPECT_EQ(r.output.substr(0, 16), "cell  position_m");
}

TEST(DumpCommand, DamagedFilesGiveTheByteOffset) {
  test::scratch_dir dir;
  write_model(dir);
  const auto cells = test::read_bytes(dir / "L_1.dat");
  test::write_bytes(dir / "L_1.dat", cells.substr(0, 20));
  auto r = test::run_in(dir.path(), test::tool() + " dump L_1.dat");
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_NE(r.errors.find("at byte 15"), std::string::npos) << r.errors;

  r = test::run_in(dir.path(), test::tool() + " dump missing.sim");
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_NE(r.errors.find("missing.sim"), std::string::npos) << r.errors;

  r = test::run_in(dir.path(), test::tool() + " dump L_1.sim --format xml");
  EXPECT_EQ(r.exit_status, 1);
}

}  // namespace
}  // namespace scn
