// Conversions from real numbers to integers: nearest integer, ties to even.
#pragma once

#include <cmath>
#include <cstdint>

namespace scn {

// Nearest integer with ties to even, as every conversion in the model rounds.
// Relies on the default rounding mode, which the program never changes.
inline std::int64_t nearest(double x) {
  return static_cast<std::int64_t>(std::nearbyint(x));
}

// Cell that holds an object placed at position p (metres): p / 50 + 1.
inline std::int64_t cell_index(std::int64_t p) {
  return nearest(static_cast<double>(p) / 50.0 + 1.0);
}

// Cell at which a value holding from position p onwards takes effect: p / 50.
inline std::int64_t fill_index(std::int64_t p) {
  return nearest(static_cast<double>(p) / 50.0);
}

// Low 8 and 16 bits of a wider value, as narrow fields store it.
inline std::uint8_t low_byte(std::int64_t v) {
  return static_cast<std::uint8_t>(v & 0xFF);
}
inline std::int16_t low_word(std::int64_t v) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(v & 0xFFFF));
}

}  // namespace scn
