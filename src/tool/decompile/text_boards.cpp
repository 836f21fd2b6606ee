// Text boards: a board cell points at the item row holding its text; rows
// are taken from 80 downwards in file order.
#include <map>

#include "model/cell_kind.h"
#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

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
  std::vector<text_board_row> rows;
  int expected = first_board_row;
  for (const auto& [row, cell] : cell_of_row) {
    if (row != expected) {
      r.note(row_name(expected), "board rows are taken from 80 downwards without gaps, but row " +
                                     std::to_string(expected) + " has no board");
    }
    expected = row - 1;
    const std::string& text = r.in.items[row].text;
    if (const auto why = unreadable_text(text)) r.note(row_name(row), "board text with " + *why);
    rows.push_back({object_position(cell), text});
  }
  return rows;
}

}  // namespace scn::tool::decompile
