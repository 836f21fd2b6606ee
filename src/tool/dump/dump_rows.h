// Decoded binary files as rows: one row per cell, item row or plan point,
// decoded one at a time as they are read, so that memory does not grow
// with the file.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tool/dump/dump_table.h"

namespace scn::tool {

enum class binary_kind { cells, items, plan };

// Which file a name designates: "_linea.dat" plan, ".sim" items, ".dat" cells.
binary_kind kind_of_file(std::string_view name);

// "cell", "item" or "plan": what the messages call such a file.
const char* kind_noun(binary_kind kind);

// The largest size a file of the kind can have.
std::uint64_t largest_file(binary_kind kind);

// Role of an item row: "unused", "station", "board text", "reference", "run", "line", "train".
const char* item_role(int row, bool row_is_empty, bool only_text);

// One pass over the bytes of a file, in order.
class byte_cursor {
 public:
  virtual ~byte_cursor() = default;
  // Copies up to `n` bytes to `to`; fewer only at the end of the file.
  virtual std::size_t read(char* to, std::size_t n) = 0;
  // The file's size when known in advance.
  virtual std::optional<std::uint64_t> size() const = 0;
};

// Opens a new pass over the same file (the plan file is read with two at once).
using cursor_opener = std::function<std::unique_ptr<byte_cursor>()>;

// A pass over bytes in memory.
cursor_opener memory_bytes(std::string_view bytes);

// The name of the table ("cells", "items", "plan") and its columns.
dump_layout layout_of(binary_kind kind);

// Hands every row of the file to the sink, in file order. A damaged file
// throws decode_error (with the byte offset) before the first row.
void decode_rows(binary_kind kind, const cursor_opener& open, const row_sink& sink);

}  // namespace scn::tool
