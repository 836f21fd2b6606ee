// Writing the two description files in sections and aligned columns.
#include "tool/decompile/description_writers.h"

#include "tool/decompile/aligned_rows.h"
#include "tool/decompile/record_keywords.h"

namespace scn::tool::decompile {

namespace {

void put_rows(std::string& out, std::string_view section, const aligned_rows& rows) {
  put_line(out, section);
  rows.write(out);
}

void put_line_general(std::string& out, const line_general& g) {
  namespace k = line_keyword;
  put_line(out, line_section::general);
  aligned_rows length;
  length.add(k::length, {g.length});
  length.write(out);
  aligned_rows km;
  for (const auto& [keyword, t] : {std::pair{k::km_uno, g.km_uno}, std::pair{k::km_due, g.km_due},
                                   std::pair{k::km_tre, g.km_tre}})
    km.add(keyword, {t.first, t.second, t.third});
  km.write(out);
  aligned_rows backdrops;
  backdrops.add(k::backdrop_uno, {g.backdrop_uno});
  backdrops.add(k::backdrop_due, {g.backdrop_due});
  backdrops.add(k::backdrop_tre, {g.backdrop_tre});
  backdrops.write(out);
  aligned_rows repetition;
  repetition.add(g.nine_codes ? k::repetition_9 : k::repetition_4,
                 {g.repetition_first, g.repetition_second});
  repetition.write(out);
}

}  // namespace

std::string write_line_description(const line_description& d) {
  namespace k = line_keyword;
  std::string out;
  put_line_general(out, d.general);
  aligned_rows curves;
  for (const auto& c : d.curves) {
    const std::string keyword =
        std::string(c.left ? k::curve_left : k::curve_right) + std::to_string(c.curve_class);
    curves.add(keyword, {c.start, c.length});
  }
  put_rows(out, line_section::curves, curves);
  aligned_rows gradients;
  for (const auto& g : d.gradients) gradients.add(k::gradient, {g.position, g.value});
  put_rows(out, line_section::gradients, gradients);
  aligned_rows spans;
  for (const auto& s : d.spans) spans.add(k::span, {s.inizio, s.fine, s.tipo});
  put_rows(out, line_section::spans, spans);
  aligned_rows posts;
  for (const auto& p : d.speed_posts)
    posts.add(k::speed_post,
              {p.posizione, p.vas, p.vbs, p.vcs, p.strisces, p.vad, p.vbd, p.vcd, p.strisced});
  put_rows(out, line_section::speed_posts, posts);
  aligned_rows boards;
  for (const auto& b : d.text_boards) boards.add_with_text(k::text_board, {b.position}, b.text);
  put_rows(out, line_section::text_boards, boards);
  if (d.stopped) {
    aligned_rows stop;
    stop.add(k::curve_without_class, {0, 0});
    stop.write(out);
  }
  put_line(out, line_section::end);
  return out;
}

namespace {

void put_train_general(std::string& out, const train_general& g) {
  namespace k = train_keyword;
  put_line(out, train_section::general);
  aligned_rows rows;
  rows.add(k::coaches, {g.coaches});
  rows.add(k::braked_mass, {g.braked_mass});
  rows.add(k::sand, {g.sand});
  rows.write(out);
  aligned_rows clock;
  clock.add(k::clock, {g.hours, g.minutes, g.seconds});
  clock.write(out);
}

void add_station(aligned_rows& rows, const station_row& s) {
  rows.add_with_text(
      train_keyword::station,
      {s.position, s.kind, s.length, s.flag_a, s.flag_e, s.flag_d, s.word_a, s.word_b, s.flag_b,
       s.word_c, s.word_d, s.word_e, s.flag_c, s.hours, s.minutes, s.seconds},
      s.name);
}

void add_signal(aligned_rows& rows, const signal_row& s) {
  rows.add(train_keyword::signal,
           {s.posizione, s.sx, s.s1, s.s2, s.s3, s.rapp, s.dx, s.d1, s.d2, s.d3, s.tempo});
}

// Stations and, where the order of approach codes needs it, signals among
// them; the rest of the signals come in their own section.
void put_stations_and_signals(std::string& out, const train_description& d) {
  aligned_rows stations, signals;
  if (d.order.empty()) {
    for (const auto& s : d.stations) add_station(stations, s);
    for (const auto& s : d.signals) add_signal(signals, s);
  } else {
    std::size_t placed_stations = 0;
    for (const auto& o : d.order) {
      const bool station = o.what == train_object::kind::station;
      if (station) ++placed_stations;
      // Once the last station is written, signals go to their own section.
      aligned_rows& rows = station || placed_stations < d.stations.size() ? stations : signals;
      if (station)
        add_station(rows, d.stations[o.index]);
      else
        add_signal(rows, d.signals[o.index]);
    }
  }
  put_rows(out, train_section::stations, stations);
  aligned_rows slowdowns;
  for (const auto& s : d.slowdowns)
    slowdowns.add(train_keyword::slowdown, {s.x, s.v, s.l, s.f_tt, s.f_ta, s.d_v});
  put_rows(out, train_section::slowdowns, slowdowns);
  put_rows(out, train_section::signals, signals);
}

void put_marks_and_refused_station(std::string& out, const train_description& d) {
  aligned_rows marks;
  for (const auto& m : d.reduction_marks)
    marks.add(train_keyword::reduction_mark, {m.position, m.value});
  marks.write(out);
  if (d.refused_station) {
    aligned_rows refused;
    add_station(refused, *d.refused_station);
    refused.write(out);
  }
}

}  // namespace

std::string write_train_description(const train_description& d) {
  namespace k = train_keyword;
  std::string out;
  put_train_general(out, d.general);
  aligned_rows adhesion;
  for (const auto& a : d.adhesion) adhesion.add(k::adhesion, {a.position, a.value});
  put_rows(out, train_section::adhesion, adhesion);
  aligned_rows speed;
  for (const auto& s : d.speed) speed.add(k::speed, {s.position, s.value});
  put_rows(out, train_section::speed, speed);
  put_stations_and_signals(out, d);
  put_marks_and_refused_station(out, d);
  put_line(out, train_section::codes);
  put_line(out, train_section::end);
  return out;
}

}  // namespace scn::tool::decompile
