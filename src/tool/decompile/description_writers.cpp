// Writing the two description files in sections and aligned columns. The
// record catalogue gives every keyword's spelling and the section lines in
// the order the embedded tables use; each block of records goes under its
// record's section line, and records without a section of their own follow
// the last section that has records.
#include "tool/decompile/description_writers.h"

#include <map>
#include <vector>

#include "catalogue/record_catalogue.h"
#include "tool/decompile/aligned_rows.h"

namespace scn::tool::decompile {

namespace {

// The blocks of one file, by section line; "" holds the records without a
// section. Each block aligns its own columns; blocks are written in the
// order they are added.
class sectioned_file {
 public:
  explicit sectioned_file(description file) : file_(file) {}

  // The last block under the record's section, or a first one.
  aligned_rows& block(record_kind kind) {
    auto& list = blocks_[std::string(record_of(kind).section)];
    if (list.empty()) list.emplace_back();
    return list.back();
  }
  // A block of its own under the record's section.
  aligned_rows& new_block(record_kind kind) {
    return blocks_[std::string(record_of(kind).section)].emplace_back();
  }
  aligned_rows& unsectioned() {
    auto& list = blocks_[""];
    if (list.empty()) list.emplace_back();
    return list.back();
  }

  std::string text() const {
    std::string out;
    const auto sections = sections_of(file_);
    std::size_t last_with_records = 0;
    for (std::size_t i = 0; i < sections.size(); ++i) {
      record_kind found[record_kind_count];
      if (records_under(file_, sections[i].header, found) > 0) last_with_records = i;
    }
    for (std::size_t i = 0; i < sections.size(); ++i) {
      put_line(out, sections[i].header);
      write_block(out, std::string(sections[i].header));
      if (i == last_with_records) write_block(out, "");
    }
    return out;
  }

 private:
  void write_block(std::string& out, const std::string& header) const {
    const auto it = blocks_.find(header);
    if (it == blocks_.end()) return;
    for (const auto& b : it->second) b.write(out);
  }

  description file_;
  std::map<std::string, std::vector<aligned_rows>> blocks_;
};

std::string_view keyword(record_kind kind) {
  return record_of(kind).spelling;
}

void add_line_general(sectioned_file& f, const line_general& g) {
  f.new_block(record_kind::length).add(keyword(record_kind::length), {g.length});
  aligned_rows& km = f.new_block(record_kind::reference_uno);
  for (const auto& [kind, t] : {std::pair{record_kind::reference_uno, g.km_uno},
                                std::pair{record_kind::reference_due, g.km_due},
                                std::pair{record_kind::reference_tre, g.km_tre}})
    km.add(keyword(kind), {t.first, t.second, t.third});
  aligned_rows& backdrops = f.new_block(record_kind::backdrop_uno);
  backdrops.add(keyword(record_kind::backdrop_uno), {g.backdrop_uno});
  backdrops.add(keyword(record_kind::backdrop_due), {g.backdrop_due});
  backdrops.add(keyword(record_kind::backdrop_tre), {g.backdrop_tre});
  f.new_block(record_kind::repetition)
      .add(repetition_spelling(g.nine_codes), {g.repetition_first, g.repetition_second});
}

}  // namespace

std::string write_line_description(const line_description& d) {
  sectioned_file f(description::line);
  add_line_general(f, d.general);
  for (const auto& c : d.curves)
    f.block(record_kind::curve).add(curve_spelling(c.left, c.curve_class), {c.start, c.length});
  for (const auto& g : d.gradients)
    f.block(record_kind::gradient).add(keyword(record_kind::gradient), {g.position, g.value});
  for (const auto& s : d.spans)
    f.block(record_kind::span).add(keyword(record_kind::span), {s.inizio, s.fine, s.tipo});
  for (const auto& p : d.speed_posts)
    f.block(record_kind::speed_post)
        .add(keyword(record_kind::speed_post),
             {p.posizione, p.vas, p.vbs, p.vcs, p.strisces, p.vad, p.vbd, p.vcd, p.strisced});
  for (const auto& b : d.text_boards)
    f.block(record_kind::text_board)
        .add_with_text(keyword(record_kind::text_board), {b.position}, b.text);
  // A curve keyword that is the curve test word alone carries no class: the
  // compiler refuses it, and the line half stops there.
  if (d.stopped) f.unsectioned().add(record_of(record_kind::curve).words.front().text, {0, 0});
  return f.text();
}

namespace {

void add_train_general(sectioned_file& f, const train_general& g) {
  aligned_rows& rows = f.new_block(record_kind::vehicles);
  rows.add(keyword(record_kind::vehicles), {g.coaches});
  rows.add(keyword(record_kind::braked_mass), {g.braked_mass});
  rows.add(keyword(record_kind::sand), {g.sand});
  f.new_block(record_kind::clock).add(keyword(record_kind::clock), {g.hours, g.minutes, g.seconds});
}

void add_station(aligned_rows& rows, const station_row& s) {
  rows.add_with_text(
      keyword(record_kind::station),
      {s.position, s.kind, s.length, s.flag_a, s.flag_e, s.flag_d, s.word_a, s.word_b, s.flag_b,
       s.word_c, s.word_d, s.word_e, s.flag_c, s.hours, s.minutes, s.seconds},
      s.name);
}

void add_signal(aligned_rows& rows, const signal_row& s) {
  rows.add(keyword(record_kind::signal),
           {s.posizione, s.sx, s.s1, s.s2, s.s3, s.rapp, s.dx, s.d1, s.d2, s.d3, s.tempo});
}

// Stations and, where the order of approach codes needs it, signals among
// them; the rest of the signals come in their own section.
void add_stations_and_signals(sectioned_file& f, const train_description& d) {
  aligned_rows& stations = f.block(record_kind::station);
  aligned_rows& signals = f.block(record_kind::signal);
  if (d.order.empty()) {
    for (const auto& s : d.stations) add_station(stations, s);
    for (const auto& s : d.signals) add_signal(signals, s);
    return;
  }
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

}  // namespace

std::string write_train_description(const train_description& d) {
  sectioned_file f(description::train);
  add_train_general(f, d.general);
  for (const auto& a : d.adhesion)
    f.block(record_kind::adhesion).add(keyword(record_kind::adhesion), {a.position, a.value});
  for (const auto& s : d.speed)
    f.block(record_kind::speed).add(keyword(record_kind::speed), {s.position, s.value});
  add_stations_and_signals(f, d);
  for (const auto& s : d.slowdowns)
    f.block(record_kind::slowdown)
        .add(keyword(record_kind::slowdown), {s.x, s.v, s.l, s.f_tt, s.f_ta, s.d_v});
  // Reduction marks have no section of their own; a refused station comes
  // after every other record.
  for (const auto& m : d.reduction_marks)
    f.unsectioned().add(keyword(record_kind::reduction_mark), {m.position, m.value});
  if (d.refused_station) add_station(f.unsectioned(), *d.refused_station);
  return f.text();
}

}  // namespace scn::tool::decompile
