// A fixed buffer that encoders fill record by record and that passes each
// full chunk on to a sink, so an output file costs one chunk of memory.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "platform/byte_pieces.h"

namespace scn {

class chunk_writer {
 public:
  static constexpr std::size_t chunk_size = 256 * 1024;

  // Full chunks end on a multiple of this many bytes counted from the start
  // of the file. The system then takes whole pages, and whole runs of pages
  // it can keep as one large page, which costs it less than pages begun by
  // one write and finished by the next (about a tenth of a long compile).
  static constexpr std::size_t page_alignment = 64 * 1024;

  // Room past a chunk's end for the record that straddles it, at most this
  // long: only those bytes are carried to the next chunk.
  static constexpr std::size_t overhang = 64;

  // `file_offset`: where in its file the first byte handed to the sink goes.
  explicit chunk_writer(const piece_sink& sink, std::uint64_t file_offset = 0)
      : sink_(sink), buffer_(new char[chunk_size + overhang]), offset_(file_offset) {
    end_chunk();
  }
  chunk_writer(const chunk_writer&) = delete;
  chunk_writer& operator=(const chunk_writer&) = delete;

  // Where the next `n` bytes (at most `overhang`) go; hand the end of what
  // was written to commit().
  char* room(std::size_t n) {
    if (used_ + n > chunk_end_ + overhang) pass_chunk();
    return buffer_.get() + used_;
  }
  void commit(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }

  // How far an encoder that fills the buffer in a loop may write before it
  // commits and asks for room again.
  char* limit() { return buffer_.get() + chunk_end_ + overhang; }

  // Passes on all the buffer holds; call once after the last record.
  void flush() {
    if (used_ > 0) sink_(std::string_view(buffer_.get(), used_));
    offset_ += used_;
    used_ = 0;
    end_chunk();
  }

 private:
  // The chunk ends at the last boundary of the file within chunk_size bytes
  // of its start, or after chunk_size bytes where there is none.
  void end_chunk() {
    const std::uint64_t end = offset_ + chunk_size;
    const std::uint64_t boundary = end - end % page_alignment;
    chunk_end_ = boundary > offset_ ? static_cast<std::size_t>(boundary - offset_) : chunk_size;
  }

  // Passes on the chunk and carries what was written past its end (less
  // than `overhang` bytes) to the front of the buffer.
  void pass_chunk() {
    const std::size_t whole = std::min(used_, chunk_end_);
    sink_(std::string_view(buffer_.get(), whole));
    std::memmove(buffer_.get(), buffer_.get() + whole, used_ - whole);
    offset_ += whole;
    used_ -= whole;
    end_chunk();
  }

  const piece_sink& sink_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  std::uint64_t offset_;       // file offset of the buffer's first byte
  std::size_t chunk_end_ = 0;  // bytes of the buffer that make up the chunk
};

}  // namespace scn
