// File operations on top of the C library and the platform's temporary
// files, reporting failures by name.
#include "platform/file_ops.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/file_error.h"
#include "platform/temporary_file.h"
#include "platform/unique_file.h"

namespace scn {

namespace {

std::string reason() {
  return std::strerror(errno);
}

std::string too_large(std::uint64_t size, const input_limit& limit) {
  return "it has " + std::to_string(size) + " bytes, more than the " +
         std::to_string(limit.max_bytes) + " " + limit.what + " may have";
}

// Opens the file for reading and refuses it, unread, when the size of the
// open file shows more bytes than the limit. `size` is left at that size,
// or 0 when the system cannot tell it.
unique_file open_within_limit(const std::string& name, const input_limit& limit,
                              std::uint64_t& size) {
  errno = 0;
  unique_file f(std::fopen(name.c_str(), "rb"));
  if (!f) throw file_error(name, "open", reason());
  size = 0;
  if (size_of_open_file(f.get(), size) && size > limit.max_bytes) {
    throw file_error(name, "read", too_large(size, limit));
  }
  return f;
}

}  // namespace

bool file_exists(const std::string& name) {
  struct stat st {};
  return ::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void delete_file(const std::string& name) {
  errno = 0;
  if (std::remove(name.c_str()) != 0) throw file_error(name, "delete", reason());
}

std::optional<std::string> read_file(const std::string& name, const input_limit& limit) {
  if (!file_exists(name)) return std::nullopt;
  std::uint64_t size = 0;
  const unique_file f = open_within_limit(name, limit, size);
  // The size is a hint: the file may change while it is read, so the
  // limit also bounds what the loop takes.
  std::string data;
  data.resize(static_cast<std::size_t>(size) + 1);
  std::size_t used = 0;
  while (used <= limit.max_bytes) {
    if (used == data.size()) data.resize(data.size() * 2 + 65536);
    const std::size_t n = std::fread(data.data() + used, 1, data.size() - used, f.get());
    used += n;
    if (n == 0) break;
  }
  if (std::ferror(f.get()) != 0) throw file_error(name, "read", reason());
  if (used > limit.max_bytes) throw file_error(name, "read", too_large(used, limit));
  data.resize(used);
  return data;
}

void replace_file(const std::string& name, std::string_view bytes) {
  replace_file_in_pieces(name, [bytes](const piece_sink& sink) { sink(bytes); });
}

void replace_file_in_pieces(const std::string& name, const byte_pieces& pieces) {
  replace_file_placed(name, [&pieces](const placed_sink& sink) {
    std::uint64_t at = 0;
    pieces([&](std::string_view piece) {
      sink(at, piece);
      at += piece.size();
    });
  });
}

void replace_file_placed(const std::string& name, const placed_pieces& pieces, std::uint64_t size) {
  std::string why;
  const auto temporary = temporary_file::create_beside(name, why);
  if (!temporary) throw file_error(name, "create", why);
  temporary->reserve(size);
  // After a failed write the remaining pieces are dropped; the temporary
  // file goes with `temporary` on every way out, an exception included.
  bool written = true;
  std::uint64_t position = 0;
  pieces([&](std::uint64_t offset, std::string_view piece) {
    if (!written) return;
    if (offset != position && !temporary->seek(offset, why)) {
      written = false;
      return;
    }
    written = temporary->write(piece, why);
    position = offset + piece.size();
  });
  if (!written) throw file_error(name, "write", why);
  if (!temporary->close(why)) throw file_error(name, "write", why);
  if (!temporary->replace_target(why)) throw file_error(name, "replace", why);
}

// Chunk in which file_in_pieces reads a file.
constexpr std::size_t file_chunk_size = 256 * 1024;

byte_pieces file_in_pieces(const std::string& name, const input_limit& limit) {
  return [name, limit](const piece_sink& sink) {
    std::uint64_t size = 0;
    const unique_file f = open_within_limit(name, limit, size);
    std::setvbuf(f.get(), nullptr, _IONBF, 0);
    const std::unique_ptr<char[]> chunk(new char[file_chunk_size]);
    std::uint64_t used = 0;
    std::size_t n = 0;
    while ((n = std::fread(chunk.get(), 1, file_chunk_size, f.get())) > 0) {
      used += n;
      if (used > limit.max_bytes) throw file_error(name, "read", too_large(used, limit));
      sink(std::string_view(chunk.get(), n));
    }
    if (std::ferror(f.get()) != 0) throw file_error(name, "read", reason());
  };
}

}  // namespace scn
