// Speed-indicator posts: each packed speed is first-set speed × 20 plus
// second-set speed / 5, the stripes first-set × 10 plus second-set.
#include "model/cell_kind.h"
#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

namespace {

struct speed_pair {
  std::int32_t first, second;
};

// The first-set speed is the packed value divided by 20 (rounded down), the
// second-set speed five times the rest.
speed_pair unpack_speeds(std::int16_t packed) {
  std::int32_t first = packed / 20;
  if (packed % 20 < 0) --first;
  return {first, (packed - first * 20) * 5};
}

}  // namespace

bool post_under_stop(const track_cell& c) {
  return c.kind == code(cell_kind::station_stop) && c.timer == 0 &&
         (c.value2 != 0 || c.value3 != 0 || c.value4 != 0);
}

std::vector<speed_post_row> recover_speed_posts(const recovery& r) {
  std::vector<speed_post_row> rows;
  for (std::size_t i = 0; i < r.in.cells.size(); ++i) {
    const track_cell& c = r.in.cells[i];
    // A station's stop cell replaces only the kind and the first value: the
    // other values of a post it stands on stay. The post's first value is
    // lost, and any will do.
    const bool hidden = post_under_stop(c) && !signal_under_stop(r, i);
    if (c.kind != code(cell_kind::speed_boards) && !hidden) continue;
    speed_post_row p;
    p.posizione = object_position(i);
    const auto a = unpack_speeds(hidden ? std::int16_t{0} : c.value1), b = unpack_speeds(c.value2),
               v = unpack_speeds(c.value3);
    p.vas = a.first;
    p.vad = a.second;
    p.vbs = b.first;
    p.vbd = b.second;
    p.vcs = v.first;
    p.vcd = v.second;
    p.strisces = static_cast<std::int16_t>(c.value4 / 10);
    p.strisced = static_cast<std::int16_t>(c.value4 % 10);
    if (c.timer != 0) r.note(cell_name(i), "speed-indicator post with a signal timer");
    rows.push_back(p);
  }
  return rows;
}

}  // namespace scn::tool::decompile
