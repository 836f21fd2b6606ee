// Random well-formed scenarios: compile, decompile, compile again, and the
// bytes of all three files must come back.
#include <gtest/gtest.h>

#include "tool/decompile/decompiler.h"
#include "tool/decompile/random_scenario.h"

namespace scn::tool::decompile {
namespace {

constexpr std::uint32_t cases = 300;

// Compilations that ended early leave a partial model; the generator keeps
// clear of them, and a case that still runs into one is not counted.
bool complete(const compiled& c) {
  return c.fatal_error.empty() &&
         (c.status_code == 0 || c.status_code == 2 || (c.status_code >= 11 && c.status_code <= 13));
}

TEST(PropertyRoundTrip, GeneratedScenariosComeBackByteForByte) {
  std::uint32_t tried = 0;
  std::string failures;
  for (std::uint32_t seed = 1; seed <= cases; ++seed) {
    const auto d = test::random_scenario(seed);
    const bool with_plan = seed % 4 != 0;
    const compiled original = compile_descriptions("LINEA-PROVA", "00" + std::to_string(seed),
                                                   d.line, d.train, with_plan);
    if (!complete(original)) continue;
    ++tried;
    const decompiled back = decompile(original.files);
    if (!back.findings.empty())
      failures += "seed " + std::to_string(seed) + ": " + back.findings.front().where + ": " +
                  back.findings.front().what + "\n";
  }
  EXPECT_GE(tried, cases * 9 / 10) << "the generator should give complete compilations";
  EXPECT_EQ(failures, "");
}

}  // namespace
}  // namespace scn::tool::decompile
