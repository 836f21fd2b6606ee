// The records of a line and a train description as the decompiler recovers
// them from the binary files, in the order they are written.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scn::tool::decompile {

struct km_triple {
  std::int32_t first = 0, second = 0, third = 0;
  bool operator==(const km_triple&) const = default;
};

struct line_general {
  std::int32_t length = 0;
  km_triple km_uno, km_due, km_tre;
  std::int32_t backdrop_uno = 0, backdrop_due = 0, backdrop_tre = 0;
  bool nine_codes = false;  // the repetition keyword names 9 codes instead of 4
  std::int32_t repetition_first = 0, repetition_second = 0;
};

struct gradient_row {
  std::int32_t position = 0;
  std::int32_t value = 0;  // per mille
};

struct curve_row {
  std::int32_t start = 0;
  std::int32_t length = 0;
  int curve_class = 1;  // 1 to 6
  bool left = false;
};

struct span_row {
  std::int32_t inizio = 0, fine = 0, tipo = 0;
};

struct speed_post_row {
  std::int32_t posizione = 0;
  std::int32_t vas = 0, vbs = 0, vcs = 0;
  std::int16_t strisces = 0;
  std::int32_t vad = 0, vbd = 0, vcd = 0;
  std::int16_t strisced = 0;
};

struct text_board_row {
  std::int32_t position = 0;
  std::string text;
};

struct line_description {
  line_general general;
  std::vector<curve_row> curves;
  std::vector<gradient_row> gradients;
  std::vector<span_row> spans;
  std::vector<speed_post_row> speed_posts;
  std::vector<text_board_row> text_boards;  // in board-row order, 80 first
  // The line half was stopped by a refused record after the last of these:
  // the file ends its body with a curve record the compiler refuses.
  bool stopped = false;
};

struct train_general {
  std::int32_t coaches = 0;
  std::int32_t braked_mass = 0;
  std::int16_t sand = 0;
  std::int16_t hours = 0, minutes = 0, seconds = 0;
};

struct profile_row {
  std::int32_t position = 0;
  std::int32_t value = 0;
};

struct station_row {
  std::int32_t position = 0;
  std::uint8_t kind = 0;
  std::int32_t length = 0;
  std::uint8_t flag_a = 0, flag_e = 0, flag_d = 0;
  std::int16_t word_a = 0, word_b = 0;
  std::uint8_t flag_b = 0;
  std::int16_t word_c = 0, word_d = 0, word_e = 0;
  std::uint8_t flag_c = 0;
  std::int32_t hours = 0, minutes = 0, seconds = 0;
  std::string name;
};

struct slowdown_row {
  std::int32_t x = 0, v = 0, l = 0, f_tt = 0, f_ta = 0, d_v = 0;
};

struct signal_row {
  std::int32_t posizione = 0;
  std::int32_t sx = 0, s1 = 0, s2 = 0, s3 = 0, rapp = 0, dx = 0, d1 = 0, d2 = 0, d3 = 0;
  std::int32_t tempo = 0;
  // The item row of the station whose stop cell replaced the signal: it is
  // written before that station. 0 for a signal in sight.
  std::int32_t under_station_row = 0;
};

struct reduction_mark_row {
  std::int32_t position = 0;
  std::int32_t value = 0;
};

// Stations and signals share one sequence: where a signal's approach codes
// and a station's overlap, the one written later wins, so their order in the
// file is part of the scenario.
struct train_object {
  enum class kind { station, signal } what = kind::station;
  std::size_t index = 0;  // into stations or signals
};

struct train_description {
  train_general general;
  std::vector<profile_row> adhesion;
  std::vector<profile_row> speed;
  std::vector<station_row> stations;
  std::vector<slowdown_row> slowdowns;
  std::vector<signal_row> signals;
  // File order of stations and signals; empty means all stations, then all
  // signals.
  std::vector<train_object> order;
  std::vector<reduction_mark_row> reduction_marks;
  // A station the compiler refused: before storing its values (a position
  // off the 50 m grid or beyond the line, a length off the 100 m grid: its
  // row keeps only the position and the kind), or after storing it whole
  // because the station rows were full. The refusal ended the compilation,
  // so it is written last.
  std::optional<station_row> refused_station;
};

// Something in a binary file that no description can produce.
struct finding {
  std::string where;  // "cell 123", "item row 84", "plan point 5000"
  std::string what;
};

}  // namespace scn::tool::decompile
