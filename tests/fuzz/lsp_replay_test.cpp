// The language server's fuzz seeds replay in the test binary through the
// same invariants the fuzzer checks.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/lsp_harness.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

TEST(LspFuzzReplay, SeedsKeepEveryInvariant) {
  std::size_t replayed = 0;
  for (const auto& e : fs::directory_iterator(fs::path(SCENARIO_FUZZ_DIR) / "lsp_corpus")) {
    if (!e.is_regular_file()) continue;
    EXPECT_EQ(fuzz::check_lsp_case(test::read_bytes(e.path())), "") << e.path().filename();
    ++replayed;
  }
  EXPECT_GE(replayed, 3u);
}

}  // namespace
}  // namespace scn
