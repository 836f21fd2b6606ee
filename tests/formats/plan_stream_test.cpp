// A plan held as the stretches of its walk, written as the plan file: the
// sequential and the side-by-side writers give the bytes that the plan's
// points give element by element, for walks of every extent.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "formats/chunk_writer.h"
#include "formats/decode_error.h"
#include "formats/le_bytes.h"
#include "formats/plan_file.h"

namespace scn {
namespace {

std::string element_bytes(const track_plan& plan) {
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

struct walk_case {
  const char* name;
  std::int32_t plan_length;
  bool started;
  std::vector<plan_stretch> stretches;  // contiguous from point 2
};

track_plan walked(const walk_case& c) {
  track_plan plan;
  plan.dimension(c.plan_length);
  if (c.started) plan.start_walk();
  for (const auto& s : c.stretches) plan.add_stretch(s);
  return plan;
}

TEST(PlanStream, BothWritersGiveTheElementsOfTheWalk) {
  const std::vector<walk_case> cases = {
      {"plan of point 0 alone", 0, true, {}},
      {"points 0 and 1 only", 1, true, {}},
      {"dimensioned, never walked", 7000, false, {}},
      {"walk started, no stretch", 7000, true, {}},
      {"walk cut short", 7000, true, {{2, 999, 0}, {1000, 2999, -0.003}}},
      {"walk to the last point", 7000, true, {{2, 6998, 0}}},
      // Stretches of one point and across the blocks of the walker and the
      // chunks of the writers.
      {"many stretches",
       90000,
       true,
       {{2, 2, 0.001},
        {3, 2049, 0},
        {2050, 2051, -0.002},
        {2052, 40000, 0.0001},
        {40001, 89998, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const track_plan plan = walked(c);
    ASSERT_TRUE(plan.walked());
    const std::string sequential = encode_plan_file(plan);
    std::vector<std::pair<std::uint64_t, std::size_t>> placed;
    const std::string side_by_side = gather_placed_pieces([&](const placed_sink& sink) {
      write_plan_file_placed(plan, [&](std::uint64_t at, std::string_view piece) {
        placed.emplace_back(at, piece.size());
        EXPECT_LE(piece.size(), chunk_writer::chunk_size);
        sink(at, piece);
      });
    });
    EXPECT_EQ(sequential, element_bytes(plan));
    EXPECT_EQ(side_by_side, sequential);
    EXPECT_EQ(plan_file_size(plan), sequential.size());
    // The pieces cover the file once, without overlap, and each ends on an
    // alignment boundary of the file unless it ends a coordinate block.
    std::sort(placed.begin(), placed.end());
    const std::uint64_t second_block = sequential.size() / 2;
    std::uint64_t end = 0;
    for (const auto& [at, size] : placed) {
      EXPECT_EQ(at, end);
      end = at + size;
      if (end != second_block && end != sequential.size()) {
        EXPECT_EQ(end % chunk_writer::page_alignment, 0u) << "piece at " << at;
      }
    }
    EXPECT_EQ(end, sequential.size());
    // Read back, the plan is explicit and writes the same bytes.
    const track_plan back = decode_plan_file(sequential);
    EXPECT_EQ(encode_plan_file(back), sequential);
  }
}

// Setting a point turns a walked plan explicit with the walk's points kept.
TEST(PlanStream, SettingAPointKeepsTheWalkedPoints) {
  track_plan plan = walked({"", 7000, true, {{2, 4000, 0.002}}});
  const double before = plan.value(3000, 0);
  plan.set_real(5000, 1, 2.5);
  EXPECT_FALSE(plan.walked());
  EXPECT_EQ(plan.value(3000, 0), before);
  EXPECT_EQ(plan.tag(3000, 1), plan_tag::real);
  EXPECT_EQ(plan.tag(4001, 1), plan_tag::empty);
  EXPECT_EQ(plan.tag(5000, 1), plan_tag::real);
  EXPECT_EQ(plan.tag(1, 1), plan_tag::integer);
  EXPECT_EQ(plan.value(1, 1), 1.0);
}

// A stretch that leaves a gap, goes back or runs past the plan is refused:
// the walker would compute the points of another walk.
TEST(PlanStream, StretchesMustContinueTheWalk) {
  track_plan plan = walked({"", 100, true, {{2, 50, 0}}});
  EXPECT_THROW(plan.add_stretch({52, 60, 0}), std::invalid_argument);
  EXPECT_THROW(plan.add_stretch({40, 60, 0}), std::invalid_argument);
  EXPECT_THROW(plan.add_stretch({51, 101, 0}), std::invalid_argument);
  plan.add_stretch({51, 100, 0.001});
  EXPECT_EQ(plan.last_reached(), 100);
}

// Read back in pieces of any size, elements cut anywhere between two pieces,
// the plan is the one read in one piece; a cut-off or unknown element is
// reported at its offset either way.
TEST(PlanStream, DecodingInPiecesOfAnySize) {
  track_plan plan = walked({"", 40, true, {{2, 30, 0.01}}});
  plan.set_integer(35, 0, -7);
  const std::string bytes = encode_plan_file(plan);
  const auto in_pieces = [](std::string_view all, std::size_t size) {
    return [all, size](const piece_sink& sink) {
      for (std::size_t at = 0; at < all.size(); at += size) sink(all.substr(at, size));
    };
  };
  for (std::size_t size = 1; size <= 23; ++size) {
    SCOPED_TRACE(size);
    EXPECT_EQ(encode_plan_file(decode_plan_pieces(in_pieces(bytes, size))), bytes);
    const std::string cut = bytes.substr(0, bytes.size() - 3);
    const std::string unknown = bytes.substr(0, 4) + std::string("\x07\x00", 2) + bytes.substr(6);
    for (const auto& [bad, offset] :
         {std::pair{cut, cut.size() - 1}, std::pair{unknown, std::size_t{4}}}) {
      try {
        decode_plan_pieces(in_pieces(bad, size));
        ADD_FAILURE() << "decoded a damaged file";
      } catch (const decode_error& e) {
        EXPECT_EQ(e.offset(), offset) << e.what();
      }
    }
  }
}

}  // namespace
}  // namespace scn
