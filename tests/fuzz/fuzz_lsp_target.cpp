// libFuzzer entry point for the language server's message layer: a broken
// invariant aborts so that the fuzzer records the input as a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/lsp_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem =
      scn::fuzz::check_lsp_case(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "lsp fuzz invariant broken: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
