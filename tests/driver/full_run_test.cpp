// The whole program run end to end: exit status, the six files that stay,
// the stamped markers and codes, and reduction marks around every slowdown.
#include <gtest/gtest.h>

#include "formats/cell_file.h"
#include "formats/item_file.h"
#include "model/cell_kind.h"
#include "support/process.h"

namespace scn {
namespace {

TEST(FullRun, EmbeddedScenarioEndsCleanWithSixFiles) {
  test::scratch_dir dir;
  const auto program = test::install_program(dir.path(), "scenario");
  const auto r = test::run_in(dir.path(), test::quoted(program));
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  EXPECT_EQ(test::files_in(dir.path()),
            (std::vector<std::string>{
                "BORGOLAGO-CIMAPASSO_51827.dat", "BORGOLAGO-CIMAPASSO_51827.sim",
                "BORGOLAGO-CIMAPASSO_51827_note.txt", "BORGOLAGO-CIMAPASSO_51827_rallentamenti.txt",
                "BORGOLAGO-CIMAPASSO_51827_scheda_treno.txt", "BORGOLAGO-CIMAPASSO_linea.dat",
                "scenario"}));
  EXPECT_EQ(test::read_bytes(dir / "BORGOLAGO-CIMAPASSO_linea.dat").size(), 2139964u);

  const auto cell_bytes = test::read_bytes(dir / "BORGOLAGO-CIMAPASSO_51827.dat");
  ASSERT_EQ(cell_bytes.size(), 32115u);
  EXPECT_EQ(cell_bytes.substr(16, 2), std::string("\x01\x14", 2));
  const auto cells = decode_cell_file(cell_bytes);
  EXPECT_EQ(cells[1].value1, 5121);
  EXPECT_EQ(cells[1].value2, 2321);

  const auto items = decode_item_file(test::read_bytes(dir / "BORGOLAGO-CIMAPASSO_51827.sim"));
  EXPECT_EQ(items[85].word_a, 610);
  EXPECT_EQ(items[85].number, 32743);
  EXPECT_EQ(items[85].text, "BORGOLAGO-CIMAPASSO");
  EXPECT_EQ(items[86].text, "51827");
  EXPECT_EQ(items[84].end, 100000);
  EXPECT_EQ(items[27].text, "CIMAPASSO");
  EXPECT_EQ(items[27].number, 13 * 3600 + 27 * 60);

  // Every slowdown start has a reduction mark in each of its three approach
  // windows (5-7, 11-13 and 18-20 cells before it).
  int starts = 0;
  for (std::size_t c = 21; c < cells.size(); ++c) {
    if (cells[c].kind != code(cell_kind::slowdown_start)) continue;
    ++starts;
    for (std::size_t near : {5u, 11u, 18u}) {
      bool marked = false;
      for (std::size_t k = near; k <= near + 2; ++k) {
        marked |=
            cells[c - k].kind == code(cell_kind::reduction_mark) && cells[c - k].value1 == 180;
      }
      EXPECT_TRUE(marked) << "slowdown start cell " << c << ", window " << near;
    }
  }
  EXPECT_EQ(starts, 5);
}

}  // namespace
}  // namespace scn
