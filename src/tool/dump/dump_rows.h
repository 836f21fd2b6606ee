// Decoded binary files as dump tables: one row per cell, item row or plan point.
#pragma once

#include <string_view>

#include "tool/dump/dump_table.h"

namespace scn::tool {

enum class binary_kind { cells, items, plan };

// Which file a name designates: "_linea.dat" plan, ".sim" items, ".dat" cells.
binary_kind kind_of_file(std::string_view name);

// Decode and tabulate; throw decode_error on a damaged file.
dump_table dump_cells(std::string_view bytes);
dump_table dump_items(std::string_view bytes);
dump_table dump_plan(std::string_view bytes);

// Role of an item row: "unused", "station", "board text", "reference", "run", "line", "train".
const char* item_role(int row, bool row_is_empty, bool only_text);

}  // namespace scn::tool
