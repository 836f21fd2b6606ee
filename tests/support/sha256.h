// SHA-256 of a byte string, for tests that pin the exact bytes of a file.
#pragma once

#include <string>
#include <string_view>

namespace scn::test {

// The digest as 64 lowercase hexadecimal digits.
std::string sha256_hex(std::string_view bytes);

}  // namespace scn::test
