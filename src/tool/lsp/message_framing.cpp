// Decoding and encoding the Content-Length framing.
#include "tool/lsp/message_framing.h"

#include <charconv>

namespace scn::tool::lsp {

namespace {

char fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool starts_nocase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (fold(s[i]) != fold(prefix[i])) return false;
  }
  return true;
}

// The Content-Length of a header block, or nothing when it has none or
// its value is not a plain decimal number.
std::optional<std::size_t> content_length(std::string_view headers) {
  std::optional<std::size_t> length;
  std::size_t begin = 0;
  while (begin < headers.size()) {
    std::size_t end = headers.find("\r\n", begin);
    if (end == std::string_view::npos) end = headers.size();
    std::string_view line = headers.substr(begin, end - begin);
    begin = end + 2;
    if (!starts_nocase(line, "content-length:")) continue;
    line.remove_prefix(15);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    std::size_t value = 0;
    const auto [ptr, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (line.empty() || ec != std::errc() || ptr != line.data() + line.size()) return std::nullopt;
    length = value;
  }
  return length;
}

}  // namespace

std::optional<decoded_frame> frame_decoder::skip_body() {
  const std::size_t available = buffer_.size() - start_;
  const std::size_t dropped = available < skipping_ ? available : skipping_;
  start_ += dropped;
  skipping_ -= dropped;
  return std::nullopt;
}

std::optional<decoded_frame> frame_decoder::next() {
  // Keep the buffer from growing with consumed bytes.
  if (start_ > 0 && (start_ >= buffer_.size() || start_ > (std::size_t{1} << 20))) {
    buffer_.erase(0, start_);
    start_ = 0;
  }
  if (skipping_ > 0) skip_body();
  if (skipping_ > 0) return std::nullopt;
  if (in_body_) {
    if (buffer_.size() - start_ < body_length_) return std::nullopt;
    decoded_frame f{true, buffer_.substr(start_, body_length_)};
    start_ += body_length_;
    in_body_ = false;
    return f;
  }
  const std::string_view rest(buffer_.data() + start_, buffer_.size() - start_);
  const std::size_t end = rest.find("\r\n\r\n");
  if (end == std::string_view::npos) {
    // A header block has no business being this long: drop it.
    if (rest.size() > 64 * 1024) {
      start_ = buffer_.size();
      return decoded_frame{false, "header block longer than 64 KiB without an end"};
    }
    return std::nullopt;
  }
  const auto length = content_length(rest.substr(0, end));
  start_ += end + 4;
  if (!length) return decoded_frame{false, "header block without a valid Content-Length"};
  if (*length > max_body_) {
    skipping_ = *length;
    skip_body();
    return decoded_frame{
        false, "message of " + std::to_string(*length) + " bytes is above the limit; skipped"};
  }
  body_length_ = *length;
  in_body_ = true;
  return next();
}

std::string frame(std::string_view body) {
  std::string out = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
  out.append(body);
  return out;
}

}  // namespace scn::tool::lsp
