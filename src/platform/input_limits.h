// How large an input may be before it is refused unread: a description
// larger than this is no description (the longest line's, written with a
// record every metre, stays far below it), and reading it whole would only
// exhaust memory.
#pragma once

#include <cstdint>

namespace scn {

// 64 MiB.
inline constexpr std::uint64_t max_description_bytes = std::uint64_t{64} * 1024 * 1024;

// The largest size accepted for one input, and what the input is, for the
// message ("a description", "a plan file").
struct input_limit {
  std::uint64_t max_bytes;
  const char* what;
};

inline constexpr input_limit description_limit{max_description_bytes, "a description"};

}  // namespace scn
