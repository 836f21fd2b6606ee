// Stations: item rows 1 upwards, one per station record in file order. The
// row keeps every value but the length, which the station area gives back
// (centred kinds: the area is the length wide, plus 50 m with the end
// extension; kinds 5 and 6 reach the length before the position, 7 and 8
// the length either side).
#include <set>

#include "model/cell_kind.h"
#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

namespace {

// Rows that text boards point at.
std::set<int> board_rows(const recovery& r) {
  std::set<int> rows;
  for (const auto& c : r.in.cells)
    if (c.kind == code(cell_kind::text_board)) rows.insert(c.value1);
  return rows;
}

// The last row below the board rows that holds anything.
int last_station_row(const recovery& r) {
  const auto boards = board_rows(r);
  int last = 0;
  for (int row = 1; row <= first_board_row; ++row) {
    if (boards.count(row) != 0 || text_only(r.in.items[row])) continue;
    if (!(r.in.items[row] == item_record{})) last = row;
  }
  return last;
}

void split_time(std::int32_t number, station_row& s) {
  if (number < 0) {
    s.seconds = number;
    return;
  }
  s.hours = number / 3600;
  s.minutes = number % 3600 / 60;
  s.seconds = number % 60;
}

// Length and end extension from the station area.
void recover_area(const recovery& r, int row_index, station_row& s) {
  const item_record& row = r.in.items[row_index];
  const std::int64_t p = row.position;
  const auto odd = [&](const std::string& what) { r.note(row_name(row_index), what); };
  if (row.kind >= 5 && row.kind <= 8) {
    s.length = static_cast<std::int32_t>(p - row.start);
    const std::int64_t end = row.kind <= 6 ? p + 150 : p + s.length;
    if (row.end != end)
      odd("station end " + std::to_string(row.end) +
          " does not follow from "
          "its kind, position and start");
    if (row.flag_d != 0) odd("end extension on a station of kind 5 to 8, which never keeps it");
    s.flag_d = 0;
  } else {
    s.length = static_cast<std::int32_t>(2 * (p - row.start));
    const std::int64_t extension = row.end - (p + s.length / 2);
    if (extension != 0 && extension != 50)
      odd("station area " + std::to_string(row.start) + " to " + std::to_string(row.end) +
          " is not centred on its position");
    // The first station stores no end extension, but its area keeps it.
    if (row_index == 1) {
      s.flag_d = extension == 50 ? 1 : 0;
      if (row.flag_d != 0) odd("end extension stored on the first station");
    } else {
      s.flag_d = row.flag_d;
      if ((row.flag_d != 0) != (extension == 50)) odd("end extension and station area disagree");
    }
  }
  if (s.length % 100 != 0)
    odd("station length " + std::to_string(s.length) + " is not a multiple of 100");
  if (row.flag_e != 0 && (s.length < 600 || row_index == 1))
    odd("attribute flag_e kept on a station where it is always 0");
}

// A row that holds nothing but the position and the kind: the compiler
// stores these two before it checks the position's grid and the length.
bool refused_early(const item_record& row) {
  item_record rest = row;
  rest.position = 0;
  rest.kind = 0;
  return rest == item_record{};
}

// A record the compiler refuses at the same step: with the length 50 the
// position's checks come first, and a position that passes them stops at
// the length.
station_row refused_record(const item_record& row) {
  station_row s;
  s.position = row.position;
  s.kind = row.kind;
  s.length = 50;
  return s;
}

}  // namespace

std::vector<station_row> recover_stations(const recovery& r, std::size_t boards,
                                          std::optional<station_row>& refused) {
  std::vector<station_row> out;
  int last = last_station_row(r);
  if (last > 0 && refused_early(r.in.items[last])) {
    refused = refused_record(r.in.items[last]);
    --last;
  }
  // The station that takes the last row the boards leave is stored whole and
  // then refused: nothing after it was compiled.
  const bool rows_full =
      !refused && last > 0 && last == first_board_row - 1 - static_cast<int>(boards);
  for (int row_index = 1; row_index <= last; ++row_index) {
    const item_record& row = r.in.items[row_index];
    station_row s;
    s.position = row.position;
    s.kind = row.kind;
    s.flag_a = row.flag_a;
    s.flag_e = row.flag_e;
    s.word_a = row.word_a;
    s.word_b = row.word_b;
    s.flag_b = row.flag_b;
    s.word_c = row.word_c;
    s.word_d = row.word_d;
    s.word_e = row.word_e;
    s.flag_c = row.flag_c;
    split_time(row.number, s);
    s.name = row.text;
    if (row.position % 50 != 0)
      r.note(row_name(row_index),
             "station position " + std::to_string(row.position) + " is not a multiple of 50");
    if (const auto why = unreadable_text(row.text))
      r.note(row_name(row_index), "station name with " + *why);
    recover_area(r, row_index, s);
    out.push_back(s);
  }
  if (rows_full) {
    refused = out.back();
    out.pop_back();
  }
  return out;
}

}  // namespace scn::tool::decompile
