// Small helpers for tests that read the scenario tables row by row: comma
// splitting with the blanks around each field dropped, whole-number parsing,
// and right-aligned numbers for rebuilding a row in its written layout.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace scn::test {

inline std::string trim_blanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// Splits a row at every comma; each field loses its leading and trailing blanks.
inline std::vector<std::string> split_fields(std::string_view row) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const auto comma = row.find(',', start);
    fields.push_back(trim_blanks(row.substr(start, comma - start)));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

// Parses a whole field as a decimal integer; anything else is a test error.
inline std::int32_t to_int(std::string_view field) {
  std::int32_t value = 0;
  const auto* end = field.data() + field.size();
  const auto [ptr, ec] = std::from_chars(field.data(), end, value);
  if (ec != std::errc{} || ptr != end || field.empty()) {
    throw std::invalid_argument("not a whole number: '" + std::string(field) + "'");
  }
  return value;
}

inline std::string right_aligned(std::int32_t value, std::size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

// Rebuilds a row from its fields and the separators written between them.
inline std::string join_fields(const std::vector<std::string>& fields,
                               const std::vector<std::string_view>& separators) {
  std::string row = fields.empty() ? std::string{} : fields.front();
  for (std::size_t i = 1; i < fields.size(); ++i) {
    row += i - 1 < separators.size() ? separators[i - 1] : std::string_view{"?"};
    row += fields[i];
  }
  return row;
}

}  // namespace scn::test
