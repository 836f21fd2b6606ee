// Sizes and tags of the three binary files the simulator loads. The layouts
// are described in docs/binary-files.md.
#pragma once

#include <cstddef>
#include <cstdint>

namespace scn {

// Cell file: one 15-byte record per cell, cell 0 first.
inline constexpr std::size_t cell_record_size = 15;

// Item file: 87 rows back to back; a row is 34 bytes plus its text.
inline constexpr std::size_t item_row_fixed_size = 34;
inline constexpr std::size_t item_text_length_offset = 14;
inline constexpr std::size_t max_item_text = 0xFFFF;

// Plan file: every element is a 16-bit tag followed by its payload.
inline constexpr std::uint16_t plan_tag_empty = 0;
inline constexpr std::uint16_t plan_tag_integer = 2;
inline constexpr std::uint16_t plan_tag_real = 5;

}  // namespace scn
