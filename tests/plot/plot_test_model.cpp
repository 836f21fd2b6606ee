// Hand-built compiled models for the route plot tests.
#include "plot/plot_test_model.h"

#include <algorithm>

#include "model/cell_kind.h"

namespace scn::test {
namespace {

void set_cell(scenario& s, std::int32_t cell, cell_kind k, std::int16_t v1, std::int16_t v4 = 0) {
  track_cell& c = s.track_cells.at(static_cast<std::size_t>(cell));
  c.kind = code(k);
  c.value1 = v1;
  c.value4 = v4;
}

void set_station(scenario& s, int row, std::int32_t position, std::uint8_t kind, const char* name,
                 std::int32_t time_s) {
  item_record& r = s.items[static_cast<std::size_t>(row)];
  r.kind = kind;
  r.position = position;
  r.start = position - 300;
  r.end = position + 300;
  r.text = name;
  r.number = time_s;
}

void fill_profiles(scenario& s) {
  for (std::size_t i = 0; i < s.track_cells.size(); ++i) {
    track_cell& c = s.track_cells[i];
    c.gradient = i < 80 ? 110 : i < 160 ? 100 : i < 240 ? 95 : 100;
    c.speed_limit = i >= 100 && i < 140 ? 12 : 18;
  }
}

void place_objects(scenario& s) {
  set_station(s, 1, 0, 8, "BORGO & <ALTO>", 11 * 3600 + 4 * 60);
  set_station(s, 2, 4500, 12, "PIAN DELL'ORSO", 0);
  set_station(s, 3, 6000, 28, "CASELLO \xB0 7", 0);
  set_station(s, 4, 12000, 1, "CIMA", 13 * 3600 + 27 * 60);
  s.items[80].text = "(GALLERIA 1\xB0   )(ROCCA     )(Mt.300 Km.5+300)";
  set_cell(s, 101, cell_kind::text_board, 80);
  for (std::int32_t i = 106; i <= 111; ++i) s.track_cells[static_cast<std::size_t>(i)].backdrop = 1;
  s.items[79].text = "(VIADOTTO  )(ALTO      )(Mt.90 Km.8+100)";
  set_cell(s, 161, cell_kind::text_board, 79);
  set_cell(s, 50, cell_kind::signal, 30, 3);
  set_cell(s, 74, cell_kind::signal, 20, 6);
  set_cell(s, 157, cell_kind::slowdown_warning, 30);
  set_cell(s, 181, cell_kind::slowdown_start, 30);
  set_cell(s, 188, cell_kind::slowdown_end, 30);
}

// Points 0 and 1 of every plan: the origin, heading along the second axis.
void start_plan(scenario& s) {
  s.plan.set_integer(0, 0, 0);
  s.plan.set_integer(0, 1, 0);
  s.plan.set_integer(1, 0, 0);
  s.plan.set_integer(1, 1, 1);
}

}  // namespace

void walk_plan(scenario& s, std::int32_t from, std::int32_t to, double c) {
  for (std::int32_t k = from; k <= to; ++k) {
    const auto a = static_cast<std::size_t>(k - 1), b = static_cast<std::size_t>(k - 2);
    const double dx = s.plan.value(a, 0) - s.plan.value(b, 0);
    const double dy = s.plan.value(a, 1) - s.plan.value(b, 1);
    s.plan.set_real(static_cast<std::size_t>(k), 0, s.plan.value(a, 0) + dx + c * dy);
    s.plan.set_real(static_cast<std::size_t>(k), 1, s.plan.value(a, 1) + dy - c * dx);
  }
}

scenario small_route(bool with_plan) {
  scenario s;
  s.line_name = "PROVA";
  s.train_number = "12345";
  s.output_switch = with_plan ? 1 : 0;
  dimension(s, 12000);
  s.items[run_row].end = 12000;
  s.items[line_row].text = "LINEA DI PROVA";
  s.items[train_row].text = "12345";
  fill_profiles(s);
  place_objects(s);
  if (with_plan) {
    start_plan(s);
    walk_plan(s, 2, 3000, 0);
    walk_plan(s, 3001, 4000, 0.001);
    walk_plan(s, 4001, 7000, 0);
    walk_plan(s, 7001, 7500, -0.003);
    walk_plan(s, 7501, s.plan_length - 2, 0);
  }
  return s;
}

scenario busy_route() {
  scenario s;
  s.output_switch = 1;
  dimension(s, 100000);
  s.items[run_row].end = 100000;
  s.items[line_row].text = "LUNGA";
  s.items[train_row].text = "99999";
  for (int r = 1; r <= 27; ++r) set_station(s, r, r * 3600, 12, "STAZIONE CON UN NOME LUNGO", 0);
  for (std::size_t i = 0; i < s.track_cells.size(); ++i) {
    track_cell& c = s.track_cells[i];
    c.gradient = static_cast<std::uint8_t>(100 + static_cast<int>(i * 7 % 45) - 22);
    c.speed_limit = static_cast<std::uint8_t>(6 + i / 10 % 20);
    c.backdrop = i % 9 < 4 ? 1 : 0;
  }
  for (std::int32_t i = 3; i < 2000; i += 2) {
    set_cell(s, i, i % 4 == 1 ? cell_kind::signal : cell_kind::slowdown_start, 40, 6);
  }
  for (int k = 0; k < 50; ++k) {
    s.items[static_cast<std::size_t>(80 - k)].text =
        "(GALLERIA    )(NOME LUNGO  )(Mt.400 Km.1+000)";
    set_cell(s, 4 + 40 * k, cell_kind::text_board, static_cast<std::int16_t>(80 - k));
  }
  start_plan(s);
  for (std::int32_t k = 2; k < s.plan_length - 1; k += 500) {
    walk_plan(s, k, std::min(k + 499, s.plan_length - 2), (k / 500) % 3 == 0 ? 0.003 : -0.001);
  }
  return s;
}

}  // namespace scn::test
