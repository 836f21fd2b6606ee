// libFuzzer entry point: every input is one fuzz case; a broken invariant
// aborts so that the fuzzer records the input as a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem =
      scn::fuzz::check_case(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "fuzz invariant broken: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
