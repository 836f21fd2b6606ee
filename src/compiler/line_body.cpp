// The body of the line description: gradients, curves, backdrop spans,
// speed-indicator posts and text boards.
#include <array>
#include <string>

#include "catalogue/keyword_dispatch.h"
#include "catalogue/keyword_tests.h"
#include "catalogue/record_catalogue.h"
#include "compiler/analysis_mode.h"
#include "compiler/compile_status.h"
#include "compiler/input_failure.h"
#include "compiler/item_text.h"
#include "compiler/keyword_field.h"
#include "compiler/line_placement.h"
#include "compiler/line_reading.h"
#include "model/cell_kind.h"
#include "model/rounding.h"

namespace scn {

namespace {

constexpr std::int32_t position_margin = 100;

// A record read before "lunghezza percorso" has no model to go into.
void require_model(const line_reading& r) {
  if (!r.sized) throw input_failure("record before the line length");
}

// The checks every positioned record makes once its values are read.
std::int32_t check_position(line_reading& r, std::int32_t position) {
  require_model(r);
  if (lies_beyond_line(r.s, position, position_margin))
    return refuse_at(r.s, status_beyond_line, position);
  return 0;
}

std::int32_t gradient_record(line_reading& r) {
  const std::int32_t position = r.in.read_long();
  const std::int32_t value = r.in.read_long();
  if (const auto status = check_position(r, position)) return status;
  const std::int64_t v = nearest(position / 50.0);
  if (v > 0) spread_gradient(r, v);
  r.gradient = value;
  return 0;
}

// Heading change per metre of curvature classes 1 to 6.
constexpr std::array<double, 6> class_turn = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};

// The first of the digits 1 to 6 found in the keyword decides the class.
std::optional<double> curve_turn(std::string_view keyword) {
  static_assert(class_turn.size() == curve_class_digits.size());
  for (std::size_t d = 0; d < class_turn.size(); ++d) {
    if (keyword.find(curve_class_digits[d]) != std::string_view::npos) return class_turn[d];
  }
  return std::nullopt;
}

std::int32_t curve_record(line_reading& r, std::string_view keyword) {
  const std::int32_t start = r.in.read_long();
  const std::int32_t length = r.in.read_long();
  if (const auto status = check_position(r, start)) return status;
  auto turn = curve_turn(keyword);
  if (!turn) return refuse(r.s, status_bad_curve);
  if (contains_nocase(keyword, curve_left_letter)) *turn = -*turn;
  if (!r.walk) return 0;
  if (!walk_to(*r.walk, start, 0.0) || !walk_to(*r.walk, std::int64_t{start} + length, *turn))
    return refuse(r.s, status_bad_curve);
  return 0;
}

std::int32_t span_record(line_reading& r) {
  std::int32_t inizio = r.in.read_long();
  std::int32_t fine = r.in.read_long();
  std::int32_t tipo = r.in.read_long();
  if (const auto status = check_position(r, inizio)) return status;
  memo_montagna(r.s, inizio, fine, tipo);
  return 0;
}

std::int32_t speed_post_record(line_reading& r) {
  const std::int32_t posizione = r.in.read_long();
  std::int32_t vas = r.in.read_long(), vbs = r.in.read_long(), vcs = r.in.read_long();
  std::int16_t strisces = r.in.read_integer();
  std::int32_t vad = r.in.read_long(), vbd = r.in.read_long(), vcd = r.in.read_long();
  std::int16_t strisced = r.in.read_integer();
  if (const auto status = check_position(r, posizione)) return status;
  memo_indicatori_v_max(r.s, posizione, vas, vbs, vcs, strisces, vad, vbd, vcd, strisced);
  if (r.s.status_code > 0) return refuse_at(r.s, r.s.status_code, posizione);
  return 0;
}

std::int32_t text_board_record(line_reading& r) {
  const std::int32_t position = r.in.read_long();
  const std::string_view text = r.in.read_text();
  if (const auto status = check_position(r, position)) return status;
  const std::int64_t i = cell_index(position);
  if (!is_free_at(r.s, i)) return refuse_at(r.s, status_board_cell_taken, position);
  if (r.next_board_row < 1) throw input_failure("more than 80 text boards");
  auto& cell = r.s.track_cells[static_cast<std::size_t>(i)];
  cell.kind = code(cell_kind::text_board);
  cell.value1 = static_cast<std::int16_t>(r.next_board_row);
  r.s.items[r.next_board_row].text = item_text(r.in, text);
  --r.next_board_row;
  return 0;
}

// Reads the fields of one body record.
std::int32_t read_body_record(line_reading& r, record_kind kind, std::string_view k) {
  switch (kind) {
    case record_kind::gradient:
      return gradient_record(r);
    case record_kind::curve:
      return curve_record(r, k);
    case record_kind::span:
      return span_record(r);
    case record_kind::speed_post:
      return speed_post_record(r);
    case record_kind::text_board:
      return text_board_record(r);
    default:
      return 0;
  }
}

// Every test that matches reads its own fields, in the order of the format.
// A curve is a record only while the plan is built.
std::int32_t body_record(line_reading& r, std::span<const record_spec* const> matching,
                         std::string_view k) {
  for (const record_spec* record : matching) {
    const record_kind kind = record->kind;
    if (kind == record_kind::curve && r.s.output_switch == 0) continue;
    r.in.mark_record(kind);
    const auto status = read_or_leave_out(r.in, kind, [&] { return read_body_record(r, kind, k); });
    if (!status) return 0;
    if (*status != 0 && !leave_out_refused(r.s, r.in, kind)) return *status;
  }
  return 0;
}

}  // namespace

std::int32_t read_body(line_reading& r) {
  keyword_dispatch dispatch(reading_part::line_body);
  while (const auto keyword = read_keyword(r.in, body_dashes)) {
    if (const auto status = body_record(r, dispatch.matching(*keyword), *keyword)) return status;
  }
  return 0;
}

void spread_gradient(line_reading& r, std::int64_t until) {
  const auto value = low_byte(r.gradient + 100);
  do {
    if (in_model(r.s, r.gradient_cursor))
      r.s.track_cells[static_cast<std::size_t>(r.gradient_cursor)].gradient = value;
    ++r.gradient_cursor;
  } while (r.gradient_cursor < until);
}

}  // namespace scn
