// The pieces that read the records of the descriptions back out of the
// decoded binary files. Each adds a finding where the files hold something
// no record of its kind can produce.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/item_record.h"
#include "model/track_cell.h"
#include "model/track_plan.h"
#include "tool/decompile/descriptions.h"

namespace scn::tool::decompile {

struct binary_scenario {
  std::vector<track_cell> cells;
  item_table items{};
  track_plan plan;  // exists only when a plan file was given
};

struct recovery {
  const binary_scenario& in;
  std::vector<finding>& findings;
  void note(std::string where, std::string what) const {
    findings.push_back({std::move(where), std::move(what)});
  }
};

std::string cell_name(std::size_t i);
std::string row_name(std::size_t row);

// Why a text cannot be written as the last field of a record (a comma or a
// line break ends the field, the reader skips leading blanks), or nothing.
std::optional<std::string> unreadable_text(const std::string& text);

// A row that holds a text and nothing else, as a board row does.
bool text_only(const item_record& row);

// Position in metres of an object placed on cell i (the inverse of the
// placement rule p / 50 + 1).
std::int32_t object_position(std::size_t i);
// Position at which a value filled from cell i onwards starts (p / 50).
std::int32_t fill_position(std::size_t i);

line_general recover_line_general(const recovery& r);
train_general recover_train_general(const recovery& r);

// The three kilometric references as written, before the compiler reorders
// them; sets uno, due and tre of `g`.
void recover_km_references(const recovery& r, line_general& g);

std::vector<gradient_row> recover_gradients(const recovery& r);
std::vector<profile_row> recover_speed_profile(const recovery& r);
std::vector<profile_row> recover_adhesion_profile(const recovery& r);

std::vector<span_row> recover_spans(const recovery& r);
// Speed posts, also those a station's stop cell replaced: the stop writes
// only the kind and the first value, so a post's other values stay.
std::vector<speed_post_row> recover_speed_posts(const recovery& r);
bool post_under_stop(const track_cell& c);
std::vector<text_board_row> recover_text_boards(const recovery& r);

// The stations in row order. A last station the compiler refused goes to
// `refused`: a row left with only its position and kind, or the station that
// took the last row the `boards` board rows leave.
std::vector<station_row> recover_stations(const recovery& r, std::size_t boards,
                                          std::optional<station_row>& refused);
// Signals, also those a station's stop cell replaced (the values it leaves
// and the approach codes before it tell them from a post).
std::vector<signal_row> recover_signals(const recovery& r);
bool signal_under_stop(const recovery& r, std::size_t i);
std::vector<slowdown_row> recover_slowdowns(const recovery& r);

// The file order of stations and signals that gives every cell the approach
// code it holds; empty when stations first, then signals, already does.
std::vector<train_object> recover_approach_order(const recovery& r, const train_description& t);

// Curves from the plan: the turn between consecutive steps gives each
// metre's class and direction. Needs a plan. `walk_cut_short` tells that
// the plan ends before the line does: a refused line record stopped the
// line half there.
std::vector<curve_row> recover_curves(const recovery& r, bool& walk_cut_short);

}  // namespace scn::tool::decompile
