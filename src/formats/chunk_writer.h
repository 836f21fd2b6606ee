// A fixed buffer that encoders fill record by record and that passes each
// full chunk on to a sink, so an output file costs one chunk of memory.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "platform/byte_pieces.h"

namespace scn {

class chunk_writer {
 public:
  static constexpr std::size_t chunk_size = 256 * 1024;

  explicit chunk_writer(const piece_sink& sink) : sink_(sink), buffer_(new char[chunk_size]) {}
  chunk_writer(const chunk_writer&) = delete;
  chunk_writer& operator=(const chunk_writer&) = delete;

  // Where the next `n` bytes (at most chunk_size) go; hand the end of what
  // was written to commit().
  char* room(std::size_t n) {
    if (used_ + n > chunk_size) flush();
    return buffer_.get() + used_;
  }
  void commit(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }

  // The end of the chunk: an encoder that fills the buffer in a loop may
  // write up to here before it commits and asks for room again.
  char* limit() { return buffer_.get() + chunk_size; }

  // Passes on what the buffer holds; call once after the last record.
  void flush() {
    if (used_ > 0) sink_(std::string_view(buffer_.get(), used_));
    used_ = 0;
  }

 private:
  const piece_sink& sink_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
};

}  // namespace scn
