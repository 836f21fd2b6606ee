// The fuzz harness inside the test binary: the seed corpus and every
// regression input replay through the same invariants the fuzzer checks,
// so the sanitizer build of the tests guards them on every run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_harness.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputs_in(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(dir)) {
    if (e.is_regular_file()) files.push_back(e.path());
  }
  return files;
}

void replay_all(const fs::path& dir) {
  const auto files = inputs_in(dir);
  ASSERT_FALSE(files.empty()) << "no inputs in " << dir;
  for (const auto& file : files) {
    EXPECT_EQ(fuzz::check_case(test::read_bytes(file)), "") << file.filename();
  }
}

TEST(FuzzReplay, RegressionInputsKeepEveryInvariant) {
  replay_all(fs::path(SCENARIO_FUZZ_DIR) / "regressions");
}

TEST(FuzzReplay, SeedCorpusKeepsEveryInvariant) {
  replay_all(fs::path(SCENARIO_FUZZ_DIR) / "corpus");
}

TEST(FuzzInput, SplitsAtTheFirstNulAndTakesThePlanSwitchFromTheLastByte) {
  using namespace std::string_literals;
  struct split_case {
    std::string input;
    std::string line;
    std::string train;
    bool has_train;
    std::int32_t output_switch;
  };
  const split_case cases[] = {
      {"", "", "", false, 0},
      {"abc", "abc", "", false, 0},
      {"abc\0"s, "abc", "", true, 1},
      {"abc\0def"s, "abc", "def", true, 0},
      {"abc\0de\0f"s, "abc", "de\0f"s, true, 0},
      {"abc\0def\0"s, "abc", "def\0"s, true, 1},
      {"\0"s, "", "", true, 1},
  };
  for (const auto& c : cases) {
    const auto parts = fuzz::split_at_nul(c.input);
    SCOPED_TRACE(::testing::PrintToString(c.input));
    EXPECT_EQ(parts.line, c.line);
    EXPECT_EQ(parts.train, c.train);
    EXPECT_EQ(parts.has_train, c.has_train);
    EXPECT_EQ(parts.output_switch, c.output_switch);
  }
}

}  // namespace
}  // namespace scn
