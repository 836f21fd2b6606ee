// Ordering of the three kilometric references in item rows 81 to 83.
#include <array>
#include <cstdint>
#include <limits>

#include "compiler/input_failure.h"
#include "compiler/line_placement.h"

namespace scn {

namespace {

struct triple {
  std::int32_t first = 0;
  std::int32_t second = 0;
  std::int32_t third = 0;
};

triple get(const scenario& s, int row) {
  const auto& r = s.items[row];
  return {r.start, r.end, r.position};
}

void put(scenario& s, int row, const triple& t) {
  auto& r = s.items[row];
  r.start = t.first;
  r.end = t.second;
  r.position = t.third;
}

void clear_all(scenario& s) {
  for (int row = km_reference_tre_row; row <= km_reference_uno_row; ++row) put(s, row, {});
}

// Largest first value first; among equal first values "uno" comes before
// "due" and "due" before "tre". A shared largest value orders nothing.
void order_by_first(scenario& s) {
  std::array<triple, 3> t = {get(s, km_reference_uno_row), get(s, km_reference_due_row),
                             get(s, km_reference_tre_row)};
  for (int i = 1; i < 3; ++i) {
    for (int j = i; j > 0 && t[j].first > t[j - 1].first; --j) std::swap(t[j], t[j - 1]);
  }
  if (t[0].first == t[1].first) return clear_all(s);
  for (int i = 0; i < 3; ++i) put(s, km_reference_tre_row + i, t[i]);
}

void swap_rows(scenario& s, int a, int b) {
  const triple t = get(s, a);
  put(s, a, get(s, b));
  put(s, b, t);
}

// With all first values summing to 0 the second values decide.
void order_by_second(scenario& s) {
  if (get(s, km_reference_uno_row).second > 0) {
    swap_rows(s, km_reference_tre_row, km_reference_uno_row);
  } else if (get(s, km_reference_due_row).second > 0) {
    swap_rows(s, km_reference_tre_row, km_reference_due_row);
  } else if (get(s, km_reference_tre_row).second <= 0) {
    clear_all(s);
  }
}

}  // namespace

void progressive_ordina(scenario& s) {
  std::int64_t sum = 0;
  for (int row = km_reference_tre_row; row <= km_reference_uno_row; ++row)
    sum += s.items[row].start;
  if (sum != 0) {
    order_by_first(s);
  } else {
    order_by_second(s);
  }
  for (int row = km_reference_tre_row; row <= km_reference_uno_row; ++row) {
    auto& r = s.items[row];
    if (r.position != 1) continue;
    const std::int64_t raised = std::int64_t{r.end} + 100;
    if (raised > std::numeric_limits<std::int32_t>::max())
      throw input_failure("kilometric reference value plus 100 outside 32 bits");
    r.end = static_cast<std::int32_t>(raised);
  }
}

}  // namespace scn
