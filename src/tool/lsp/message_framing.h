// The base protocol's framing: each message is a header block of
// "Name: value" lines ended by an empty line, with a Content-Length header
// giving the byte length of the body that follows. Bytes arrive in any
// pieces; the decoder hands out whole bodies and reports what it skipped.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace scn::tool::lsp {

struct decoded_frame {
  bool ok = true;    // a body, or else a framing error worth reporting
  std::string body;  // the body, or what was wrong
};

class frame_decoder {
 public:
  // Bodies above this many bytes are skipped and reported, not held.
  explicit frame_decoder(std::size_t max_body = std::size_t{256} << 20) : max_body_(max_body) {}

  void feed(std::string_view bytes) { buffer_.append(bytes); }
  // The next complete message or framing error, if the bytes fed hold one.
  std::optional<decoded_frame> next();

 private:
  std::optional<decoded_frame> skip_body();

  std::size_t max_body_;
  std::string buffer_;
  std::size_t start_ = 0;        // consumed bytes at the front of buffer_
  std::size_t body_length_ = 0;  // the body being waited for
  bool in_body_ = false;
  std::size_t skipping_ = 0;  // bytes of an oversized body still to drop
};

// "Content-Length: N\r\n\r\n" followed by the body.
std::string frame(std::string_view body);

}  // namespace scn::tool::lsp
