// The decoder fuzz targets' seeds replayed through the same invariants in
// the test binary, and a few damaged files that must be refused alike by
// both decoders.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/decoder_harness.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

TEST(DecoderReplay, SeedsKeepEveryInvariant) {
  const std::pair<const char*, tool::binary_kind> kinds[] = {{"cells", tool::binary_kind::cells},
                                                             {"items", tool::binary_kind::items},
                                                             {"plan", tool::binary_kind::plan}};
  for (const auto& [folder, kind] : kinds) {
    int seeds = 0;
    for (const auto& e :
         fs::directory_iterator(fs::path(SCENARIO_FUZZ_DIR) / "decoders" / folder)) {
      EXPECT_EQ(fuzz::check_decoding(kind, test::read_bytes(e.path())), "") << e.path();
      ++seeds;
    }
    EXPECT_GT(seeds, 1) << folder;
  }
}

TEST(DecoderReplay, ArbitraryBytesKeepEveryInvariant) {
  std::string bytes;
  for (int n = 0; n < 400; ++n) {
    bytes += static_cast<char>((n * 37 + 11) % 7 == 0 ? 5 : (n * 13) % 3);
    for (const auto kind :
         {tool::binary_kind::cells, tool::binary_kind::items, tool::binary_kind::plan}) {
      EXPECT_EQ(fuzz::check_decoding(kind, bytes), "") << n;
    }
  }
}

}  // namespace
}  // namespace scn
