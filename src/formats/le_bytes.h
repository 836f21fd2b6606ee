// Little-endian encoding of fixed-width fields into a byte buffer, and the
// matching decoding; the same bytes on every host.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace scn {

using byte_buffer = std::string;

inline void put_u8(byte_buffer& out, std::uint8_t v) {
  out.push_back(static_cast<char>(v));
}

inline void put_u16(byte_buffer& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

inline void put_i16(byte_buffer& out, std::int16_t v) {
  put_u16(out, static_cast<std::uint16_t>(v));
}

inline void put_u32(byte_buffer& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

inline void put_i32(byte_buffer& out, std::int32_t v) {
  put_u32(out, static_cast<std::uint32_t>(v));
}

inline void put_f64(byte_buffer& out, double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  for (int shift = 0; shift < 64; shift += 8)
    out.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

// Stores the low `Width` bytes of v at `at`, least significant first, and
// returns the address after them; for encoders that fill a raw buffer.
template <int Width>
inline char* store_le(char* at, std::uint64_t v) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(at, &v, Width);  // the low bytes come first in memory already
  } else {
    for (int i = 0; i < Width; ++i) at[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  return at + Width;
}

// Readers take the bytes at `at`; the caller has checked that they exist.
inline std::uint64_t get_le(std::string_view in, std::size_t at, int width) {
  std::uint64_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(in[at + i]);
  return v;
}
inline std::uint8_t get_u8(std::string_view in, std::size_t at) {
  return static_cast<std::uint8_t>(get_le(in, at, 1));
}
inline std::uint16_t get_u16(std::string_view in, std::size_t at) {
  return static_cast<std::uint16_t>(get_le(in, at, 2));
}
inline std::int16_t get_i16(std::string_view in, std::size_t at) {
  return static_cast<std::int16_t>(get_u16(in, at));
}
inline std::int32_t get_i32(std::string_view in, std::size_t at) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(get_le(in, at, 4)));
}
inline double get_f64(std::string_view in, std::size_t at) {
  return std::bit_cast<double>(get_le(in, at, 8));
}

}  // namespace scn
