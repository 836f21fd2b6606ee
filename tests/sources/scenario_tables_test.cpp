// The line and train tables together: the boards and posts of the line must
// leave room for the signals, slowdowns and stops of the train run, and for the
// reduction marks the finishing pass lays around them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "sources/line_description_table.h"
#include "sources/table_rows.h"
#include "sources/train_description_table.h"

namespace scn {
namespace {

using test::split_fields;
using test::to_int;

// Cell of an object at a position; every position in the tables is a
// multiple of 50 (checked), so the division is exact.
std::int32_t object_cell(std::int32_t position) {
  EXPECT_EQ(position % 50, 0) << position;
  return position / 50 + 1;
}

// End of a station's area, which decides its stop cell; -1 for kinds without one.
std::int32_t stop_area_end(std::int32_t position, std::int32_t kind, std::int32_t length,
                           std::int32_t end_extension) {
  EXPECT_EQ(length % 100, 0) << position;
  if (kind >= 25) return -1;
  if (kind == 5 || kind == 6) return position + 150;
  if (kind == 7 || kind == 8) return position + length;
  return position + length / 2 + (end_extension != 0 ? 50 : 0);
}

class ScenarioTables : public ::testing::Test {
 protected:
  ScenarioTables() {
    fill_line_description(line_);
    fill_train_description(train_);
    mark_train_objects();
  }

  // Cells where a board may not stand, with the reason, from the train's objects.
  void mark_train_objects() {
    for (std::size_t i = 75; i <= 116; ++i) {
      const std::int32_t cell = object_cell(to_int(split_fields(train_[i])[1]));
      taken_[cell] = "signal " + train_[i];
      clear_[cell - 1] = clear_[cell - 2] = "reduction mark before " + train_[i];
    }
    for (std::size_t i = 69; i <= 73; ++i) {
      const auto f = split_fields(train_[i]);
      const std::int32_t x = to_int(f[1]);
      const std::int32_t start = object_cell(x);
      const std::int32_t end = object_cell(x + to_int(f[3]));
      taken_[start] = taken_[end] = "slowdown " + train_[i];
      if (x > 1500) taken_[object_cell(x - 1200)] = "warning board " + train_[i];
      for (std::int32_t k = 5; k <= 20; ++k) clear_[start - k] = "approach of " + train_[i];
      for (std::int32_t c = start; c <= end + 12; ++c) clear_[c] = "marks along " + train_[i];
    }
    for (std::size_t i = 41; i <= 67; ++i) {
      const auto f = split_fields(train_[i]);
      const std::int32_t end =
          stop_area_end(to_int(f[1]), to_int(f[2]), to_int(f[3]), to_int(f[6]));
      if (end >= 0) taken_[end / 50 - 1] = "stop of " + train_[i];
    }
  }

  text_lines line_;
  text_lines train_;
  std::map<std::int32_t, std::string> taken_;  // cells claimed by train objects
  std::map<std::int32_t, std::string> clear_;  // cells the reduction marks may need
};

TEST_F(ScenarioTables, BoardsAndPostsLeaveTheTrainObjectsTheirCells) {
  struct Placed {
    std::size_t first, last;  // line description rows
    bool needs_mark_room;     // text boards must also keep off the reduction-mark cells
  };
  for (const Placed& placed : {Placed{408, 417, false}, Placed{419, 469, true}}) {
    for (std::size_t i = placed.first; i <= placed.last; ++i) {
      const std::int32_t cell = object_cell(to_int(split_fields(line_[i])[1]));
      EXPECT_EQ(taken_.count(cell), 0u) << line_[i] << " meets " << taken_[cell];
      if (placed.needs_mark_room) {
        EXPECT_EQ(clear_.count(cell), 0u) << line_[i] << " blocks " << clear_[cell];
      }
    }
  }
}

TEST_F(ScenarioTables, BoardsLeaveExactlyEnoughItemRowsForTheStations) {
  // Boards take item rows from 80 downwards and stations from 1 upwards; the
  // compiler refuses the station whose successor number reaches the next board
  // row, so b boards leave room for 78 - b stations, and the run uses them all.
  const auto count = [](const text_lines& lines, std::string_view keyword) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.starts_with(keyword); });
  };
  const auto boards = count(line_, "cartello_indicatore,");
  const auto stations = count(train_, "stazione,");
  EXPECT_EQ(boards, 51);
  EXPECT_EQ(stations, 78 - boards);
}

}  // namespace
}  // namespace scn
