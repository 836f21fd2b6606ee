// Shared helpers of the recovery steps.
#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

std::string cell_name(std::size_t i) {
  return "cell " + std::to_string(i);
}
std::string row_name(std::size_t row) {
  return "item row " + std::to_string(row);
}

std::optional<std::string> unreadable_text(const std::string& text) {
  if (text.find_first_of(",\r\n") != std::string::npos)
    return "a comma or a line break, which end a field";
  if (!text.empty() && text.front() == ' ') return "a leading blank, which the reader skips";
  return std::nullopt;
}

std::int32_t object_position(std::size_t i) {
  return static_cast<std::int32_t>((static_cast<std::int64_t>(i) - 1) * 50);
}

std::int32_t fill_position(std::size_t i) {
  return static_cast<std::int32_t>(i * 50);
}

}  // namespace scn::tool::decompile
