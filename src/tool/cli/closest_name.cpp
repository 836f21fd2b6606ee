// Edit distance between short names.
#include "tool/cli/closest_name.h"

#include <algorithm>

namespace scn::tool {

namespace {

std::size_t edit_distance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::optional<std::string> closest_name(std::string_view typed,
                                        const std::vector<std::string>& candidates) {
  std::optional<std::string> best;
  std::size_t best_distance = 0;
  for (const auto& c : candidates) {
    const std::size_t d = edit_distance(typed, c);
    const std::size_t limit = std::max<std::size_t>(2, std::max(typed.size(), c.size()) / 3);
    const bool prefix = typed.size() >= 2 && c.rfind(typed, 0) == 0;
    if ((d <= limit || prefix) && (!best || d < best_distance)) {
      best = c;
      best_distance = d;
    }
  }
  return best;
}

}  // namespace scn::tool
