// Reading stations, signals, slowdowns, boards and tunnels out of the model.
#include "plot/route_objects.h"

#include <cctype>
#include <set>

#include "catalogue/station_rules.h"
#include "model/cell_kind.h"
#include "plot/svg_text.h"

namespace scn::plot {
namespace {

constexpr std::size_t tunnel_search_cells = 12;  // 600 m past the board

bool is(const track_cell& c, cell_kind k) {
  return c.kind == code(k);
}

// Rows that text boards point to; station rows stop where these begin.
std::set<int> board_rows(const scenario& s) {
  std::set<int> rows;
  for (const auto& c : s.track_cells) {
    if (is(c, cell_kind::text_board) && c.value1 >= 1 && c.value1 <= first_board_row) {
      rows.insert(c.value1);
    }
  }
  return rows;
}

void collect_stations(const scenario& s, route_objects& out) {
  const std::set<int> boards = board_rows(s);
  for (int r = 1; r < first_board_row; ++r) {
    const item_record& row = s.items[static_cast<std::size_t>(r)];
    if (boards.count(r) != 0 || row == item_record{}) break;
    out.stations.push_back({row.position, collapse_blanks(cp1252_to_xml_utf8(row.text)), row.kind,
                            station_has_stop(row.kind), row.number});
  }
}

void collect_board(const scenario& s, std::size_t cell, route_objects& out) {
  const int row = s.track_cells[cell].value1;
  if (row < 1 || row >= item_rows) return;
  const std::string& text = s.items[static_cast<std::size_t>(row)].text;
  board_mark b{object_position(cell), board_caption(text), names_tunnel(text)};
  if (b.tunnel) {
    const line_stretch t = tunnel_stretch(s, cell);
    out.tunnels.push_back({t.end > t.start ? t : line_stretch{b.position, b.position}, b.caption});
  }
  out.boards.push_back(std::move(b));
}

// Pairs each slowdown start with the end that follows it; a start that meets
// another start first is a slowdown of length 0.
void collect_slowdown_cell(const track_cell& c, std::size_t i, route_objects& out, bool& open) {
  const std::int32_t p = object_position(i);
  if (is(c, cell_kind::slowdown_start)) {
    out.slowdowns.push_back({{p, p}, c.value1});
    open = true;
  } else if (is(c, cell_kind::slowdown_end) && open) {
    out.slowdowns.back().stretch.end = p;
    open = false;
  } else if (is(c, cell_kind::slowdown_warning)) {
    out.slowdown_warnings.push_back(p);
  }
}

}  // namespace

bool names_tunnel(std::string_view board_text) {
  std::size_t at = board_text.find_first_not_of(' ');
  if (at == std::string_view::npos || board_text[at] != '(') return false;
  at = board_text.find_first_not_of(' ', at + 1);
  constexpr std::string_view word = "GALLERIA";
  if (at == std::string_view::npos || board_text.size() - at < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k) {
    const auto c = static_cast<unsigned char>(board_text[at + k]);
    if (std::toupper(c) != word[k]) return false;
  }
  return true;
}

line_stretch tunnel_stretch(const scenario& s, std::size_t board_cell) {
  const auto& cells = s.track_cells;
  const auto has_backdrop = [&](std::size_t i) { return i < cells.size() && cells[i].backdrop; };
  std::size_t first = board_cell;
  while (first <= board_cell + tunnel_search_cells && first < cells.size() &&
         !(has_backdrop(first) && (first == 0 || !has_backdrop(first - 1)))) {
    ++first;
  }
  if (first > board_cell + tunnel_search_cells || first >= cells.size()) {
    if (!has_backdrop(board_cell)) return {};
    first = board_cell;
    while (first > 0 && has_backdrop(first - 1)) --first;
  }
  std::size_t last = first;
  while (has_backdrop(last + 1)) ++last;
  // Cell i carries the stretch from 50 i to 50 i + 50.
  return {static_cast<std::int32_t>(first * 50), static_cast<std::int32_t>((last + 1) * 50)};
}

route_objects collect_route_objects(const scenario& s) {
  route_objects out;
  collect_stations(s, out);
  bool open_slowdown = false;
  for (std::size_t i = 0; i < s.track_cells.size(); ++i) {
    const track_cell& c = s.track_cells[i];
    if (is(c, cell_kind::signal)) {
      out.signals.push_back({object_position(i), (c.value4 % 10 + 10) % 10 / 3});
    } else if (is(c, cell_kind::text_board)) {
      collect_board(s, i, out);
    } else {
      collect_slowdown_cell(c, i, out, open_slowdown);
    }
  }
  return out;
}

}  // namespace scn::plot
