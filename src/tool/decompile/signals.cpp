// Signals: the cell holds the three value pairs s × 10 + d and
// rapp × 10 + sx × 3 + dx, the timer is the low byte of tempo for a signal of
// type 2, and the 2nd, 4th, 6th and 8th cells before it carry the approach
// code 10 × (3 × sx + dx) + k. Where those codes survive they tell
// 3 × sx + dx apart from rapp.
#include "model/rounding.h"

#include "model/cell_kind.h"
#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

namespace {

// How many of the approach codes before cell i the type sum q would write
// (each the low byte of 10 × q + k).
int approach_votes(const recovery& r, std::size_t i, std::int32_t q) {
  int votes = 0;
  for (int k = 1; k <= 4 && i >= static_cast<std::size_t>(2 * k); ++k)
    if (r.in.cells[i - 2 * k].approach == low_byte(10 * std::int64_t{q} + k)) ++votes;
  return votes;
}

// The type sum q = 3 × sx + dx that the approach codes before cell i name,
// among the sums that leave rapp whole in value4 = rapp × 10 + q. Sums of
// the usual types (sx and dx 0 to 2, so q below 10) and the next ones up to
// 29 come first: a code of another signal that happens to match a sum whose
// codes wrap past 255 must not outvote them.
std::int32_t approach_type(const recovery& r, std::size_t i, std::int16_t value4) {
  const std::int32_t unit = ((value4 % 10) + 10) % 10;
  std::int32_t best = unit;
  int best_votes = 0;
  const auto consider = [&](std::int32_t q) {
    const int votes = approach_votes(r, i, q);
    if (votes > best_votes) best = q, best_votes = votes;
  };
  for (std::int32_t q = unit; q < 30; q += 10) consider(q);
  if (best_votes > 0) return best;
  // A sum whose codes wrap past 255 must be named by two codes at least: one
  // code of another object can match it by chance.
  best_votes = 1;
  for (std::int32_t q = unit + 30; q < unit + 260; q += 10) {
    consider(q);
    consider(unit - (q - unit) - 10);
  }
  return best;
}

// tempo whose low byte is the timer after the raise of 1 to 100 to 101.
std::int32_t tempo_for(std::uint8_t timer) {
  if (timer == 0 || timer > 100) return timer;
  return timer + 256;
}

void split_pair(std::int16_t packed, std::int32_t& s, std::int32_t& d) {
  s = packed / 10;
  d = packed % 10;
}

}  // namespace

bool signal_under_stop(const recovery& r, std::size_t i) {
  const track_cell& c = r.in.cells[i];
  if (c.kind != code(cell_kind::station_stop)) return false;
  if (c.timer != 0) return true;
  if (c.value4 == 0) return false;
  // Without a timer, a post leaves the same values. A code 10 × q + k on the
  // k-th even cell before the stop is only ever written by a signal of type
  // sum q on this very cell, as long as the codes do not wrap past 255; a
  // station writes codes 81 to 84 itself, so with q = 8 one code is not
  // enough.
  const std::int32_t unit = ((c.value4 % 10) + 10) % 10;
  for (std::int32_t q = unit; q < 26; q += 10) {
    const int votes = approach_votes(r, i, q);
    if (votes >= 2 || (votes == 1 && q != 8)) return true;
  }
  return false;
}

std::vector<signal_row> recover_signals(const recovery& r) {
  std::vector<signal_row> rows;
  for (std::size_t i = 0; i < r.in.cells.size(); ++i) {
    const track_cell& c = r.in.cells[i];
    const bool hidden = signal_under_stop(r, i);
    if (c.kind != code(cell_kind::signal) && !hidden) continue;
    signal_row s;
    s.posizione = object_position(i);
    // A station's stop cell replaced the kind and the first value of a
    // signal written before the station: the rest stays.
    if (hidden) s.under_station_row = c.value1;
    split_pair(hidden ? std::int16_t{0} : c.value1, s.s1, s.d1);
    split_pair(c.value2, s.s2, s.d2);
    split_pair(c.value3, s.s3, s.d3);
    const std::int32_t q = approach_type(r, i, c.value4);
    s.rapp = (c.value4 - q) / 10;
    if (c.timer != 0) {
      // Only a signal of type 2 keeps its timer.
      s.sx = 2;
      s.dx = q - 6;
      s.tempo = tempo_for(c.timer);
    } else {
      s.sx = q / 3;
      s.dx = q % 3;
    }
    rows.push_back(s);
  }
  return rows;
}

}  // namespace scn::tool::decompile
