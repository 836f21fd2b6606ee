// Speed-indicator posts: three speed pairs and a stripe pair packed into
// the four values of one cell.
#include <cstdint>
#include <limits>

#include "compiler/input_failure.h"
#include "compiler/line_placement.h"
#include "model/cell_kind.h"
#include "model/rounding.h"

namespace scn {

namespace {

std::int16_t fit_16(std::int64_t v) {
  if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
    throw input_failure("speed-indicator value outside 16 bits");
  return static_cast<std::int16_t>(v);
}

// First-set speed * 20 plus second-set speed / 5, rounded.
std::int16_t pack_speeds(std::int32_t first_set, std::int32_t second_set) {
  return fit_16(nearest(second_set / 5.0 + first_set * 20.0));
}

}  // namespace

void memo_indicatori_v_max(scenario& s, std::int32_t posizione, std::int32_t vas, std::int32_t vbs,
                           std::int32_t vcs, std::int16_t strisces, std::int32_t vad,
                           std::int32_t vbd, std::int32_t vcd, std::int16_t strisced) {
  const std::int64_t i = cell_index(posizione);
  if (!is_free_at(s, i)) {
    s.status_code = status_speed_post_cell_taken;
    return;
  }
  const std::int16_t value1 = pack_speeds(vas, vad);
  const std::int16_t value2 = pack_speeds(vbs, vbd);
  const std::int16_t value3 = pack_speeds(vcs, vcd);
  const std::int16_t value4 = fit_16(fit_16(std::int64_t{strisces} * 10) + std::int64_t{strisced});
  auto& cell = s.track_cells[static_cast<std::size_t>(i)];
  cell.kind = code(cell_kind::speed_boards);
  cell.value1 = value1;
  cell.value2 = value2;
  cell.value3 = value3;
  cell.value4 = value4;
}

}  // namespace scn
