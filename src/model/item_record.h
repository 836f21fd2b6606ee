// One row of the item table: a station, a board text or run-wide data.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace scn {

struct item_record {
  std::uint8_t kind = 0;
  std::int32_t start = 0;
  std::int32_t end = 0;
  std::int32_t position = 0;
  std::uint8_t flag_a = 0;
  std::string text;  // single-byte code-page text, stored byte for byte
  std::int16_t word_a = 0;
  std::int16_t word_b = 0;
  std::int16_t word_c = 0;
  std::int16_t word_d = 0;
  std::int16_t word_e = 0;
  std::uint8_t flag_b = 0;
  std::uint8_t flag_c = 0;
  std::uint8_t flag_d = 0;
  std::uint8_t flag_e = 0;
  std::int32_t number = 0;

  bool operator==(const item_record&) const = default;
};

// Rows of the item table with a fixed role.
inline constexpr int item_rows = 87;
inline constexpr int first_board_row = 80;  // board texts take rows 80, 79, ...
inline constexpr int km_reference_tre_row = 81;
inline constexpr int km_reference_due_row = 82;
inline constexpr int km_reference_uno_row = 83;
inline constexpr int run_row = 84;
inline constexpr int line_row = 85;
inline constexpr int train_row = 86;

using item_table = std::array<item_record, item_rows>;

}  // namespace scn
