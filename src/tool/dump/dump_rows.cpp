// Tabulating decoded cells, item rows and plan points.
#include "tool/dump/dump_rows.h"

#include <cstdio>

#include "formats/cell_file.h"
#include "formats/item_file.h"
#include "formats/plan_file.h"
#include "model/cell_kind.h"
#include "model/item_record.h"
#include "tool/text/json_text.h"

namespace scn::tool {

namespace {

dump_field num(long long v) {
  return {std::to_string(v), dump_field::type::number};
}
dump_field str(std::string s) {
  return {std::move(s), dump_field::type::string};
}

dump_field real(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return {buf, dump_field::type::number};
}

bool ends_with(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

}  // namespace

binary_kind kind_of_file(std::string_view name) {
  if (ends_with(name, "_linea.dat")) return binary_kind::plan;
  if (ends_with(name, ".sim")) return binary_kind::items;
  return binary_kind::cells;
}

dump_table dump_cells(std::string_view bytes) {
  dump_table t{"cells",
               {"cell", "position_m", "kind", "kind_name", "value1", "value2", "value3", "value4",
                "timer", "approach", "backdrop", "speed_kmh", "gradient_permille", "adhesion"},
               {}};
  const auto cells = decode_cell_file(bytes);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const auto& c = cells[i];
    t.rows.push_back({num(static_cast<long long>(i)), num((static_cast<long long>(i) - 1) * 50),
                      num(c.kind), str(cell_kind_name(c.kind)), num(c.value1), num(c.value2),
                      num(c.value3), num(c.value4), num(c.timer), num(c.approach), num(c.backdrop),
                      num(c.speed_limit * 5), num(c.gradient - 100), num(c.adhesion)});
  }
  return t;
}

const char* item_role(int row, bool row_is_empty, bool only_text) {
  if (row >= km_reference_tre_row && row <= km_reference_uno_row) return "reference";
  if (row == run_row) return "run";
  if (row == line_row) return "line";
  if (row == train_row) return "train";
  if (row == 0 || row_is_empty) return "unused";
  return only_text ? "board text" : "station";
}

dump_table dump_items(std::string_view bytes) {
  dump_table t{
      "items",
      {"row", "role", "kind", "start", "end", "position", "flag_a", "text", "word_a", "word_b",
       "word_c", "word_d", "word_e", "flag_b", "flag_c", "flag_d", "flag_e", "number"},
      {}};
  const auto items = decode_item_file(bytes);
  for (int r = 0; r < item_rows; ++r) {
    const auto& i = items[static_cast<std::size_t>(r)];
    item_record text_only;
    text_only.text = i.text;
    const bool empty = i == item_record{};
    t.rows.push_back({num(r), str(item_role(r, empty, i == text_only)), num(i.kind), num(i.start),
                      num(i.end), num(i.position), num(i.flag_a), str(cp1252_to_utf8(i.text)),
                      num(i.word_a), num(i.word_b), num(i.word_c), num(i.word_d), num(i.word_e),
                      num(i.flag_b), num(i.flag_c), num(i.flag_d), num(i.flag_e), num(i.number)});
  }
  return t;
}

dump_table dump_plan(std::string_view bytes) {
  dump_table t{"plan", {"point", "x_tag", "x", "y_tag", "y"}, {}};
  const auto plan = decode_plan_file(bytes);
  auto tag_name = [](plan_tag g) {
    return str(g == plan_tag::empty ? "empty" : g == plan_tag::integer ? "integer" : "double");
  };
  auto value = [&](std::size_t i, int axis) {
    return plan.tag(i, axis) == plan_tag::empty ? dump_field{"", dump_field::type::null}
                                                : real(plan.value(i, axis));
  };
  for (std::size_t i = 0; i < plan.points(); ++i) {
    t.rows.push_back({num(static_cast<long long>(i)), tag_name(plan.tag(i, 0)), value(i, 0),
                      tag_name(plan.tag(i, 1)), value(i, 1)});
  }
  return t;
}

}  // namespace scn::tool
