// The bytes of the embedded scenario's eight files, pinned by their SHA-256,
// so that a change of any single output byte, in the program or in the tool,
// fails here. The program deletes the two descriptions once compiled; the
// tool's "sources" writes them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/process.h"
#include "support/sha256.h"

namespace scn {
namespace {

const std::map<std::string, std::string> golden = {
    {"BORGOLAGO-CIMAPASSO_linea.txt",
     "1d5235a366a7e3e021ecc375ca4713bfa4c7aa497c7541815322213795d1d24f"},
    {"BORGOLAGO-CIMAPASSO_51827-.txt",
     "c867cfadb405392db4fb5d099eff66973a11038bdde3d6dc22ee16172e0406b2"},
    {"BORGOLAGO-CIMAPASSO_51827_note.txt",
     "801c308358244ed13fe65ea7699dd472617e87dba981f7eda3372aff12713d4d"},
    {"BORGOLAGO-CIMAPASSO_51827_rallentamenti.txt",
     "32ec52d0da21f4265941052c97f3755f05f0d14ef75173625476000ee6e56cf6"},
    {"BORGOLAGO-CIMAPASSO_51827_scheda_treno.txt",
     "7bbfbad1219a4c968d73de564419d7913ea44003df755b40c6325ab065bae8ad"},
    {"BORGOLAGO-CIMAPASSO_linea.dat",
     "fd8ba860b087f32e1cecaf29c22601d608bd33a2f505e17b74d0bf6533feb15b"},
    {"BORGOLAGO-CIMAPASSO_51827.sim",
     "fda3c74cb49bf27e0b5eca8575905e1ef89fff6b17f660455422fec68249c551"},
    {"BORGOLAGO-CIMAPASSO_51827.dat",
     "21b8cdb06dc68df166f96b7537124fe55fe4e8cf2d58010c68674788cf199405"},
};

bool is_description(const std::string& name) {
  return name.ends_with("_linea.txt") || name.ends_with("-.txt");
}

void expect_golden(const test::scratch_dir& dir, const std::string& name) {
  EXPECT_EQ(test::sha256_hex(test::read_bytes(dir / name)), golden.at(name)) << name;
}

TEST(GoldenDigests, ProgramWritesTheEmbeddedScenarioByteForByte) {
  test::scratch_dir dir;
  const auto program = test::install_program(dir.path(), "scenario");
  const auto r = test::run_in(dir.path(), test::quoted(program));
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  for (const auto& [name, digest] : golden)
    if (!is_description(name)) expect_golden(dir, name);
}

TEST(GoldenDigests, ToolWritesAndCompilesTheSameBytes) {
  test::scratch_dir dir;
  const std::string tool = test::tool();
  auto r = test::run_in(dir.path(), tool + " sources --out .");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  r = test::run_in(dir.path(), tool +
                                   " compile BORGOLAGO-CIMAPASSO_linea.txt "
                                   "BORGOLAGO-CIMAPASSO_51827-.txt --out .");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  for (const auto& [name, digest] : golden) expect_golden(dir, name);
}

}  // namespace
}  // namespace scn
