// The bytes of an output file handed out piece by piece, in file order, so
// that a large file is written through a small buffer and never held whole.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace scn {

// Receives one piece; a view is valid only during the call.
using piece_sink = std::function<void(std::string_view)>;

// Hands every piece of one file, in order, to the sink it is given.
using byte_pieces = std::function<void(const piece_sink&)>;

// All pieces joined: the whole file in memory.
inline std::string gather_pieces(const byte_pieces& pieces) {
  std::string out;
  pieces([&out](std::string_view piece) { out.append(piece); });
  return out;
}

}  // namespace scn
