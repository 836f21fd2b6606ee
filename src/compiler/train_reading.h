// Working state of the train half while it reads the train description,
// and the record readers that share it.
#pragma once

#include <cstdint>
#include <string_view>

#include "compiler/field_reader.h"
#include "model/scenario.h"

namespace scn {

struct train_reading {
  train_reading(scenario& scen, field_reader& input, std::int32_t board_row)
      : s(scen), in(input), next_board_row(board_row) {}

  scenario& s;
  field_reader& in;
  std::int32_t next_board_row;    // first row taken by the line's text boards, minus one
  std::int64_t speed_cursor = 0;  // next cell whose speed limit is unset
  std::int64_t speed = 0;         // speed in force, km/h
  std::int64_t adhesion_cursor = 0;
  std::int64_t adhesion = 0;  // adhesion in force, percent
  std::int32_t station = 1;   // row of the next station
};

// What the reader does after a record.
enum class after_record {
  next,         // read the next keyword
  end_reading,  // a record beyond the line: finish as at the end of the file
  stop,         // a refusal: the file is deleted and the compiler returns
};

// Position check of the train records: a record beyond the line sets
// status 15 with its position.
inline constexpr std::int32_t record_margin = 100;
inline constexpr std::int32_t station_margin = 800;
bool beyond_line(train_reading& r, std::int32_t position, std::int32_t margin);

after_record speed_record(train_reading& r);
after_record adhesion_record(train_reading& r);
after_record signal_record(train_reading& r);
after_record slowdown_record(train_reading& r);
after_record reduction_mark_record(train_reading& r);
after_record station_record(train_reading& r);

// The speed and adhesion in force carried on to last_cell - 3.
void finish_profiles(train_reading& r);

}  // namespace scn
