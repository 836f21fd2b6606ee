// The decoders' invariants.
#include "fuzz/decoder_harness.h"

#include "formats/cell_file.h"
#include "formats/decode_error.h"
#include "formats/item_file.h"
#include "formats/plan_file.h"

namespace scn::fuzz {

namespace {

// Decodes the whole file and encodes it again; returns the row count, or
// -1 when the decoder refused the bytes.
long long whole_file_rows(tool::binary_kind kind, std::string_view bytes, std::string& problem) {
  try {
    std::string again;
    long long rows = 0;
    if (kind == tool::binary_kind::cells) {
      const auto cells = decode_cell_file(bytes);
      again = encode_cell_file(cells);
      rows = static_cast<long long>(cells.size());
    } else if (kind == tool::binary_kind::items) {
      again = encode_item_file(decode_item_file(bytes));
      rows = item_rows;
    } else {
      const auto plan = decode_plan_file(bytes);
      again = encode_plan_file(plan);
      rows = static_cast<long long>(plan.points());
    }
    if (again != bytes) problem = "the decoded file does not encode back to its bytes";
    return rows;
  } catch (const decode_error&) {
    return -1;
  }
}

}  // namespace

std::string check_decoding(tool::binary_kind kind, std::string_view bytes) {
  std::string problem;
  try {
    const long long expected = whole_file_rows(kind, bytes, problem);
    if (!problem.empty()) return problem;
    long long rows = 0;
    bool refused = false;
    try {
      tool::decode_rows(kind, tool::memory_bytes(bytes), [&](const tool::dump_row&) { ++rows; });
    } catch (const decode_error&) {
      refused = true;
    }
    if (refused != (expected < 0)) return "the two decoders disagree on whether the file is valid";
    if (!refused && rows != expected) {
      return "rows handed out: " + std::to_string(rows) + ", expected " + std::to_string(expected);
    }
  } catch (const std::exception& e) {
    return std::string("unexpected exception: ") + e.what();
  }
  return "";
}

}  // namespace scn::fuzz
