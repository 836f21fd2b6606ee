// libFuzzer entry point for the plan decoders; a broken invariant aborts so
// that the fuzzer records the input as a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/decoder_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem = scn::fuzz::check_decoding(
      scn::tool::binary_kind::plan, std::string_view(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "decoder invariant broken: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
