// "scenario-tool plot" through the process boundary: from the descriptions
// and from the binary files, the same well-formed picture of the line.
#include <gtest/gtest.h>

#include "support/process.h"
#include "support/xml_wellformed.h"

namespace scn {
namespace {

TEST(PlotCommand, DrawsTheLineFromDescriptionsOrBinaryFiles) {
  test::scratch_dir dir;
  ASSERT_EQ(test::run_in(dir.path(), test::tool() + " sources").exit_status, 0);
  const std::string pair = " BORGOLAGO-CIMAPASSO_linea.txt BORGOLAGO-CIMAPASSO_51827-.txt";
  auto r = test::run_in(dir.path(), test::tool() + " plot" + pair + " --out a.svg");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  const auto svg = test::read_bytes(dir / "a.svg");
  EXPECT_EQ(test::xml_wellformedness_error(svg), "");
  EXPECT_NE(svg.find("BORGOLAGO-CIMAPASSO"), std::string::npos);
  EXPECT_NE(svg.find("<polyline"), std::string::npos);

  ASSERT_EQ(test::run_in(dir.path(), test::tool() + " compile" + pair).exit_status, 0);
  r = test::run_in(dir.path(),
                   test::tool() +
                       " plot BORGOLAGO-CIMAPASSO_51827.dat BORGOLAGO-CIMAPASSO_51827.sim"
                       " BORGOLAGO-CIMAPASSO_linea.dat --out b.svg");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  EXPECT_EQ(test::read_bytes(dir / "b.svg"), svg);
}

TEST(PlotCommand, DamagedInputOrMissingOutGiveAClearError) {
  test::scratch_dir dir;
  test::write_bytes(dir / "X_1.dat", std::string(20, '\0'));
  test::write_bytes(dir / "X_1.sim", std::string(10, '\0'));
  auto r = test::run_in(dir.path(), test::tool() + " plot X_1.dat X_1.sim --out x.svg");
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_NE(r.errors.find("X_1.dat"), std::string::npos) << r.errors;
  r = test::run_in(dir.path(), test::tool() + " plot a_linea.txt b-.txt");
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_NE(r.errors.find("--out"), std::string::npos) << r.errors;
}

}  // namespace
}  // namespace scn
