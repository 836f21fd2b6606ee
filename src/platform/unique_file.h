// A C library stream owned by one object: closed when it goes away, on
// every path out of a function.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

namespace scn {

struct file_closer {
  void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};

using unique_file = std::unique_ptr<std::FILE, file_closer>;

// The size in bytes of an open file; false when the system cannot tell
// (or the file is not a regular file).
bool size_of_open_file(std::FILE* f, std::uint64_t& size);

}  // namespace scn
