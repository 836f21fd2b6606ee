// The smaller of two values.
#pragma once

namespace scn {

// `y` when `x` is greater than `y`, otherwise `x` (so `x` on a tie).
template <typename T>
T minimo(const T& x, const T& y) {
  return x > y ? y : x;
}

}  // namespace scn
