// Text boards: a board cell points at the item row holding its text; rows
// are taken from 80 downwards in file order.
#include <map>

#include "model/cell_kind.h"
#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

namespace {

// Cells where a board a station stop replaced may have stood: the stop cell
// is written whatever the cell holds, so a board there leaves only its text
// row. A stop cell over a post is taken by the post.
std::vector<std::size_t> stop_cells(const recovery& r) {
  std::vector<std::size_t> cells;
  for (std::size_t i = 0; i < r.in.cells.size(); ++i) {
    const track_cell& c = r.in.cells[i];
    if (c.kind == code(cell_kind::station_stop) && !post_under_stop(c) && !signal_under_stop(r, i))
      cells.push_back(i);
  }
  return cells;
}

}  // namespace

bool text_only(const item_record& row) {
  item_record rest = row;
  rest.text.clear();
  return rest == item_record{} && !row.text.empty();
}

std::vector<text_board_row> recover_text_boards(const recovery& r) {
  std::map<int, std::size_t, std::greater<>> cell_of_row;
  for (std::size_t i = 0; i < r.in.cells.size(); ++i) {
    const track_cell& c = r.in.cells[i];
    if (c.kind != code(cell_kind::text_board)) continue;
    if (c.value1 < 1 || c.value1 > first_board_row) {
      r.note(cell_name(i), "text board pointing at item row " + std::to_string(c.value1));
      continue;
    }
    if (!cell_of_row.emplace(c.value1, i).second)
      r.note(cell_name(i), "second text board pointing at item row " + std::to_string(c.value1));
  }
  // Board rows run from 80 down to the lowest one a board points at, and on
  // through the rows that hold only a text.
  int lowest = cell_of_row.empty() ? first_board_row + 1 : cell_of_row.rbegin()->first;
  while (lowest > 1 && text_only(r.in.items[lowest - 1])) --lowest;
  const auto stops = stop_cells(r);
  std::size_t next_stop = 0;
  std::vector<text_board_row> rows;
  for (int row = first_board_row; row >= lowest; --row) {
    const std::string& text = r.in.items[row].text;
    if (const auto why = unreadable_text(text)) r.note(row_name(row), "board text with " + *why);
    const auto it = cell_of_row.find(row);
    if (it != cell_of_row.end()) {
      rows.push_back({object_position(it->second), text});
    } else if (next_stop < stops.size()) {
      rows.push_back({object_position(stops[next_stop++]), text});
    } else {
      r.note(row_name(row),
             "board row without a board, and no station stop left that could "
             "have replaced it");
    }
  }
  return rows;
}

}  // namespace scn::tool::decompile
