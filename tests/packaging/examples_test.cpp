// The example scenarios installed with the programs: written afresh by the
// tool at every build, the starter pair only where the tool has "new".
#include <gtest/gtest.h>

#include "packaging/help_files.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;
using names = std::vector<std::string>;

TEST(Examples, WrittenAfreshWithTheStarterWhereTheToolHasNew) {
  test::scratch_dir dir;
  const fs::path out = dir / "examples";
  fs::create_directories(out / "embedded");
  test::write_bytes(out / "embedded/OLD_linea.txt", "left from an earlier build");
  test::run_generator(dir.path(), "make_examples.cmake",
                      {"TOOL=" + test::layout_tool().string(), "OUT=" + out.string()});
  EXPECT_EQ(test::files_in(out / "embedded"), names{"A_linea.txt"});
  EXPECT_EQ(test::files_in(out / "starter"), (names{"ESEMPIO_10001-.txt", "ESEMPIO_linea.txt"}));
}

TEST(Examples, BuildShipsTheEmbeddedScenarioAsTheToolWritesIt) {
  test::scratch_dir dir;
  const auto r = test::run_in(dir.path(), test::tool() + " sources --out .");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  const auto shipped = test::generated_dir() / "examples/embedded";
  const auto written = test::files_in(dir.path());
  ASSERT_EQ(test::files_in(shipped), written);
  for (const auto& name : written) {
    EXPECT_EQ(test::read_bytes(shipped / name), test::read_bytes(dir / name)) << name;
  }
}

}  // namespace
}  // namespace scn
