// The status catalogue: every code named once, worded as the program's
// messages word it.
#include "catalogue/status_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace scn {
namespace {

TEST(StatusCatalogue, EveryNamedCodeHasOneEntry) {
  const std::int32_t named[] = {
      status_ok,
      status_line_too_long,
      status_bad_reference,
      status_repetition_first,
      status_repetition_second,
      status_repetition_code,
      status_board_cell_taken,
      status_reduction_cell_taken,
      status_station_position,
      status_station_length,
      status_station_rows_full,
      status_no_mark_before_signal,
      status_no_mark_before_slowdown,
      status_no_mark_along_slowdown,
      status_beyond_line,
      status_signal_cell_taken,
      status_warning_cell_taken,
      status_start_cell_taken,
      status_end_cell_taken,
      status_pre_warning_cell_taken,
      status_speed_post_cell_taken,
      status_station_spacing,
      status_station_too_early,
      status_input_failure,
      status_no_line_file,
      status_no_generale,
      status_bad_curve,
  };
  EXPECT_EQ(all_statuses().size(), std::size(named));
  std::set<std::string_view> meanings;
  for (const auto code : named) {
    const auto* s = find_status(code);
    ASSERT_NE(s, nullptr) << code;
    EXPECT_EQ(s->code, code);
    EXPECT_TRUE(meanings.insert(s->meaning).second) << code;
    EXPECT_EQ(s->severity == status_severity::none, code == status_ok) << code;
    EXPECT_FALSE(setter_name(s->setter).empty());
  }
  for (const auto unused : {14, 23, 26, 100, 104, -1}) EXPECT_EQ(find_status(unused), nullptr);
}

TEST(StatusCatalogue, SettersAndWhatFollows) {
  EXPECT_EQ(setter_name(find_status(status_signal_cell_taken)->setter), "memo_segnale");
  EXPECT_EQ(setter_name(find_status(status_end_cell_taken)->setter), "memo_rallentamento");
  EXPECT_EQ(setter_name(find_status(status_speed_post_cell_taken)->setter),
            "memo_indicatori_v_max");
  EXPECT_EQ(find_status(status_beyond_line)->then, status_then::reading_stops);
  for (const auto code : {11, 12, 13}) {
    EXPECT_EQ(find_status(code)->setter, status_setter::marker_pass);
    EXPECT_EQ(find_status(code)->then, status_then::pass_goes_on);
  }
}

TEST(StatusCatalogue, DescriptionsAsTheProgramPrintsThem) {
  const struct {
    std::int32_t code;
    std::int32_t position;
    const char* text;
  } cases[] = {
      {8, 4525, "status 8 (station position not a multiple of 50) at 4525 m"},
      {15, 120000, "status 15 (record position lies beyond the line) at 120000 m"},
      {10, 4525, "status 10 (too many stations for the free item rows)"},
      {25, 0,
       "status 25 (input failure: missing file, file ends inside a record, or a value does not "
       "fit)"},
      {102, 0, "status 102 (no [generale] section in the line description)"},
      {0, 0, "status 0 (no problem)"},
      {14, 50, "status 14 (unknown status)"},
  };
  for (const auto& c : cases) EXPECT_EQ(describe_status(c.code, c.position), c.text);
}

}  // namespace
}  // namespace scn
