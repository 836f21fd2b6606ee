// Standard output for commands that print a lot: text gathered in a buffer
// and written in large pieces, with every write checked, so that a full
// disk or a closed pipe ends the command with an error instead of output
// cut short in silence.
#pragma once

#include <cstdio>
#include <string>

namespace scn::tool {

class checked_output {
 public:
  explicit checked_output(std::FILE* to) : to_(to) {}

  // The buffer to append to; written out once it holds enough.
  std::string& buffer() { return buffer_; }
  void maybe_write() {
    if (buffer_.size() >= piece_size) write();
  }
  // Writes what is buffered and flushes the stream; throws file_error
  // ("cannot write standard output: REASON") when the system refused it.
  void write();

 private:
  static constexpr std::size_t piece_size = 1 << 16;
  std::FILE* to_;
  std::string buffer_;
};

// Flushes standard output at the end of a command; when any write to it
// failed, reports it on standard error and turns the status into 1.
int finish_standard_output(int status);

}  // namespace scn::tool
