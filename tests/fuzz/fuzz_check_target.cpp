// libFuzzer entry point for check's analysis mode; a broken invariant aborts
// so that the fuzzer records the input as a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/check_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem =
      scn::fuzz::check_analysis_case(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "check invariant broken: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
