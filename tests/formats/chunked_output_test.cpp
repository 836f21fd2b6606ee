// The plan file and the cell file handed out in chunks: the pieces join to
// the field-by-field layout, elements and records straddle chunk boundaries
// intact, and no piece is larger than a chunk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/cell_file.h"
#include "formats/chunk_writer.h"
#include "formats/plan_file.h"
#include "model/scenario.h"

namespace scn {
namespace {

std::vector<std::string> pieces_of(const byte_pieces& pieces) {
  std::vector<std::string> out;
  pieces([&out](std::string_view piece) { out.emplace_back(piece); });
  return out;
}

std::string joined(const std::vector<std::string>& pieces) {
  std::string out;
  for (const auto& p : pieces) out += p;
  return out;
}

// A file written from its start goes out in whole chunks, each ending on
// an alignment boundary; only the last piece is shorter. What an element
// writes past a chunk's end goes with the next piece.
void expect_full_chunks(const std::vector<std::string>& pieces) {
  std::size_t end = 0;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    EXPECT_FALSE(pieces[i].empty());
    end += pieces[i].size();
    if (i + 1 < pieces.size()) {
      EXPECT_EQ(pieces[i].size(), chunk_writer::chunk_size) << "piece " << i;
      EXPECT_EQ(end % chunk_writer::page_alignment, 0u) << "piece " << i;
    } else {
      EXPECT_LE(pieces[i].size(), chunk_writer::chunk_size + chunk_writer::overhang);
    }
  }
}

// A plan of mixed tags: runs of doubles (10-byte elements) broken by
// integers and empty elements, so that elements of every size meet the
// chunk boundaries.
track_plan mixed_plan(std::int32_t plan_length) {
  track_plan plan;
  plan.dimension(plan_length);
  for (std::size_t i = 0; i < plan.points(); ++i) {
    for (int axis = 0; axis < 2; ++axis) {
      if (i % 7 == 3) continue;  // stays empty
      if (i % 11 == 5) {
        plan.set_integer(i, axis, static_cast<std::int16_t>(i * (axis == 0 ? 1 : -3)));
      } else {
        plan.set_real(i, axis, 0.1 * static_cast<double>(i) - axis);
      }
    }
  }
  return plan;
}

std::string reference_plan_bytes(const track_plan& plan) {
  byte_buffer out;
  for (int axis = 0; axis < 2; ++axis) {
    for (std::size_t i = 0; i < plan.points(); ++i) {
      put_u16(out, static_cast<std::uint16_t>(plan.tag(i, axis)));
      if (plan.tag(i, axis) == plan_tag::integer)
        put_i16(out, static_cast<std::int16_t>(plan.value(i, axis)));
      if (plan.tag(i, axis) == plan_tag::real) put_f64(out, plan.value(i, axis));
    }
  }
  return out;
}

TEST(ChunkedOutput, PlanPiecesJoinToTheElementLayout) {
  for (const std::int32_t plan_length : {10, 30000, 80000}) {
    SCOPED_TRACE(plan_length);
    const track_plan plan = mixed_plan(plan_length);
    const auto pieces = pieces_of([&plan](const piece_sink& s) { write_plan_file(plan, s); });
    const std::string expected = reference_plan_bytes(plan);
    EXPECT_EQ(joined(pieces), expected);
    EXPECT_EQ(pieces.size() > 1, expected.size() > chunk_writer::chunk_size);
    expect_full_chunks(pieces);
  }
}

TEST(ChunkedOutput, CellPiecesJoinToWholeRecords) {
  scenario s;
  dimension(s, 1000000);  // 20141 cells: more than one chunk of 15-byte records
  for (std::size_t i = 0; i < s.track_cells.size(); ++i) {
    auto& c = s.track_cells[i];
    c.kind = static_cast<std::uint8_t>(i % 15);
    c.value1 = static_cast<std::int16_t>(i);
    c.value4 = static_cast<std::int16_t>(-static_cast<int>(i));
    c.adhesion = static_cast<std::uint8_t>(i * 7);
  }
  const auto pieces =
      pieces_of([&s](const piece_sink& sink) { write_cell_file(s.track_cells, sink); });
  ASSERT_GT(pieces.size(), 1u);
  const std::string bytes = joined(pieces);
  ASSERT_EQ(bytes.size(), s.track_cells.size() * 15);
  EXPECT_EQ(decode_cell_file(bytes), s.track_cells);
  expect_full_chunks(pieces);
}

}  // namespace
}  // namespace scn
