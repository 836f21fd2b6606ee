// The bytes of an output file handed out piece by piece, in file order, so
// that a large file is written through a small buffer and never held whole.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace scn {

// Receives one piece; a view is valid only during the call.
using piece_sink = std::function<void(std::string_view)>;

// Hands every piece of one file, in order, to the sink it is given.
using byte_pieces = std::function<void(const piece_sink&)>;

// Receives one piece and the offset in the file where it goes; the pieces
// of one file may come in any order but never overlap, and together they
// cover the file from its start.
using placed_sink = std::function<void(std::uint64_t offset, std::string_view)>;

// Hands every piece of one file, each with its offset, to the sink it is given.
using placed_pieces = std::function<void(const placed_sink&)>;

// All pieces joined: the whole file in memory.
inline std::string gather_pieces(const byte_pieces& pieces) {
  std::string out;
  pieces([&out](std::string_view piece) { out.append(piece); });
  return out;
}

// All placed pieces put in their places: the whole file in memory.
inline std::string gather_placed_pieces(const placed_pieces& pieces) {
  std::string out;
  pieces([&out](std::uint64_t offset, std::string_view piece) {
    const auto end = static_cast<std::size_t>(offset) + piece.size();
    if (out.size() < end) out.resize(end);
    out.replace(static_cast<std::size_t>(offset), piece.size(), piece);
  });
  return out;
}

}  // namespace scn
