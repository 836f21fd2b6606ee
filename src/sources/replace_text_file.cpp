// Writing a text table: replace the file, stop at the end marker.
#include "sources/replace_text_file.h"

#include "platform/file_ops.h"

namespace scn {

std::string text_file_bytes(const text_lines& lines, std::int32_t& end_index) {
  std::string bytes;
  std::size_t i = 0;
  // Every table holds the end marker; the bound only keeps a faulty table
  // from reading past its last slot.
  for (; i < lines.size() && lines[i] != end_marker; ++i) {
    bytes += lines[i];
    bytes += "\r\n";
  }
  end_index = static_cast<std::int32_t>(i);
  return bytes;
}

void replace_text_file(const std::string& name, const text_lines& lines, std::int32_t& loop_index) {
  const std::string bytes = text_file_bytes(lines, loop_index);
  replace_file(name, bytes);
}

}  // namespace scn
