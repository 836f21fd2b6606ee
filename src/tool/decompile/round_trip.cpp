// Compiling in memory and comparing bytes.
#include "tool/decompile/round_trip.h"

#include <algorithm>

namespace scn::tool::decompile {

compiled compile_descriptions(const std::string& line_name, const std::string& train_number,
                              const std::string& line_text, const std::string& train_text,
                              bool with_plan) {
  memory_compile c;
  compile_in_memory(c, line_name, train_number, line_text, train_text,
                    {.with_plan = with_plan, .keep_files = true});
  return {std::move(c.files), c.fatal_error, c.s.status_code, c.s.status_position};
}

namespace {

constexpr std::size_t cell_bytes = 15;

std::optional<std::size_t> first_byte_apart(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return i;
  if (a.size() != b.size()) return n;
  return std::nullopt;
}

// The item row that holds byte `offset`, walking the rows of the file.
std::size_t item_row_at(const std::string& bytes, std::size_t offset) {
  std::size_t at = 0, row = 0;
  while (at + 16 <= bytes.size()) {
    const std::size_t text = static_cast<unsigned char>(bytes[at + 14]) |
                             static_cast<std::size_t>(static_cast<unsigned char>(bytes[at + 15]))
                                 << 8;
    const std::size_t next = at + 34 + text;
    if (offset < next) return row;
    at = next;
    ++row;
  }
  return row;
}

}  // namespace

std::optional<std::string> first_difference(const binary_files& expected,
                                            const binary_files& actual) {
  if (const auto at = first_byte_apart(expected.cells, actual.cells)) {
    if (expected.cells.size() != actual.cells.size() &&
        *at == std::min(expected.cells.size(), actual.cells.size()))
      return "cell file length " + std::to_string(actual.cells.size()) + " instead of " +
             std::to_string(expected.cells.size());
    return "cell " + std::to_string(*at / cell_bytes) + ", byte " +
           std::to_string(*at % cell_bytes);
  }
  if (const auto at = first_byte_apart(expected.items, actual.items))
    return "item row " + std::to_string(item_row_at(expected.items, *at));
  if (expected.plan && actual.plan) {
    if (const auto at = first_byte_apart(*expected.plan, *actual.plan))
      return "plan file byte " + std::to_string(*at);
  }
  return std::nullopt;
}

}  // namespace scn::tool::decompile
