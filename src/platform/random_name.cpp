// Random names for temporary files, from the system's random source. Where
// that source is missing, the clock and a counter stand in: the name is
// then guessable, but the file is still only ever created new, never
// opened where something already is.
#include <chrono>
#include <cstdint>
#include <random>

#include "platform/temporary_file.h"

namespace scn {

namespace {

std::uint64_t random_bits() {
  try {
    static std::random_device source;
    return (std::uint64_t{source()} << 32) ^ source();
  } catch (const std::exception&) {
    static std::uint64_t counter = 0;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(now) * 0x9E3779B97F4A7C15ull + ++counter;
  }
}

}  // namespace

std::string random_temporary_name() {
  static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string name = ".tmp";
  std::uint64_t bits = random_bits();
  for (int i = 0; i < 12; ++i) {
    name += letters[bits % 36];
    bits /= 36;
  }
  return name;
}

}  // namespace scn
