// The file order of stations and signals. Both write approach codes without
// looking at what a cell holds, so where their approach cells overlap the one
// written later wins; the codes in the cells say which one that was.
#include <map>
#include <queue>

#include "model/rounding.h"
#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

namespace {

struct writer {
  std::size_t object;  // default order: stations first, then signals
  std::uint8_t value;
};

constexpr std::uint8_t first_kind_without_stop = 25;

using writers_by_cell = std::map<std::size_t, std::vector<writer>>;

// The approach codes of the station in item row `row`, by cell.
std::map<std::size_t, std::uint8_t> station_codes(const recovery& r, std::size_t row_index) {
  std::map<std::size_t, std::uint8_t> codes;
  const item_record& row = r.in.items[row_index];
  if (row.kind >= first_kind_without_stop || row.kind == 5 || row.kind == 6) return codes;
  for (int k = 1; k <= 4; ++k) {
    const double at = row.end / 50.0 - k - 1;
    if (!(at > 1.0)) continue;
    const std::int64_t i = nearest(at);
    if (i < static_cast<std::int64_t>(r.in.cells.size()))
      codes[static_cast<std::size_t>(i)] = low_byte(80 + k);
  }
  return codes;
}

void station_writers(const recovery& r, const train_description& t, writers_by_cell& out) {
  for (std::size_t n = 0; n < t.stations.size(); ++n)
    for (const auto& [cell, code] : station_codes(r, n + 1)) out[cell].push_back({n, code});
}

// A refused station is written last: the codes it wrote stand whatever the
// others wrote before, so those cells ask for no order.
void drop_cells_of_refused_station(const recovery& r, const train_description& t,
                                   writers_by_cell& writers) {
  if (!t.refused_station) return;
  for (const auto& [cell, code] : station_codes(r, t.stations.size() + 1))
    if (r.in.cells[cell].approach == code) writers[cell].clear();
}

void signal_writers(const recovery& r, const train_description& t, writers_by_cell& out) {
  for (std::size_t n = 0; n < t.signals.size(); ++n) {
    const signal_row& s = t.signals[n];
    const std::int64_t i = cell_index(s.posizione);
    for (int k = 1; k <= 4; ++k) {
      const std::int64_t at = i - 2 * k;
      if (at < 0 || at >= static_cast<std::int64_t>(r.in.cells.size())) continue;
      out[static_cast<std::size_t>(at)].push_back(
          {t.stations.size() + n, low_byte(10 * (3 * std::int64_t{s.sx} + s.dx) + k)});
    }
  }
}

// Edges "a before b" that make every cell's last writer one that wrote its
// code.
std::vector<std::vector<std::size_t>> constraints(const recovery& r, const writers_by_cell& writers,
                                                  std::size_t objects) {
  std::vector<std::vector<std::size_t>> after(objects);
  for (const auto& [cell, list] : writers) {
    if (list.empty()) continue;
    const std::uint8_t seen = r.in.cells[cell].approach;
    const writer* winner = nullptr;
    for (const auto& w : list)
      if (w.value == seen && (winner == nullptr || w.object > winner->object)) winner = &w;
    if (winner == nullptr) {
      r.note(cell_name(cell), "approach code " + std::to_string(seen) +
                                  " that none of the signals and stations before it writes");
      continue;
    }
    for (const auto& w : list)
      if (w.value != seen) after[w.object].push_back(winner->object);
  }
  return after;
}

}  // namespace

std::vector<train_object> recover_approach_order(const recovery& r, const train_description& t) {
  writers_by_cell writers;
  station_writers(r, t, writers);
  signal_writers(r, t, writers);
  drop_cells_of_refused_station(r, t, writers);
  for (std::size_t i = 0; i < r.in.cells.size(); ++i)
    if (r.in.cells[i].approach != 0 && writers.count(i) == 0)
      r.note(cell_name(i), "approach code " + std::to_string(r.in.cells[i].approach) +
                               " with no signal or station ahead that writes it");
  const std::size_t objects = t.stations.size() + t.signals.size();
  auto after = constraints(r, writers, objects);
  // Stations keep their order; a signal a stop cell replaced comes before
  // that station.
  for (std::size_t n = 0; n + 1 < t.stations.size(); ++n) after[n].push_back(n + 1);
  for (std::size_t n = 0; n < t.signals.size(); ++n) {
    const std::int32_t row = t.signals[n].under_station_row;
    if (row >= 1 && static_cast<std::size_t>(row) <= t.stations.size())
      after[t.stations.size() + n].push_back(static_cast<std::size_t>(row) - 1);
  }
  std::vector<int> pending(objects, 0);
  for (const auto& next : after)
    for (const auto b : next) ++pending[b];
  std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> ready;
  for (std::size_t n = 0; n < objects; ++n)
    if (pending[n] == 0) ready.push(n);
  std::vector<train_object> order;
  bool moved = false;
  while (!ready.empty()) {
    const std::size_t n = ready.top();
    ready.pop();
    moved = moved || n != order.size();
    const bool station = n < t.stations.size();
    order.push_back({station ? train_object::kind::station : train_object::kind::signal,
                     station ? n : n - t.stations.size()});
    for (const auto b : after[n])
      if (--pending[b] == 0) ready.push(b);
  }
  if (order.size() != objects) {
    r.note("approach codes",
           "signals and stations overwrite each other's approach codes in "
           "an order no file can give");
    return {};
  }
  return moved ? order : std::vector<train_object>{};
}

}  // namespace scn::tool::decompile
