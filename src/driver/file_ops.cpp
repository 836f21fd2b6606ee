// File operations on top of the C library, reporting failures by name.
#include "driver/file_ops.h"

#include <sys/stat.h>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "driver/file_error.h"
#include "platform/file_system.h"

namespace scn {

namespace {

std::string reason() {
  return std::strerror(errno);
}

// Writes every piece at its offset to a new file at `path`; after a failed
// write the remaining pieces are dropped. A failure names `shown` (the file
// the caller is producing) rather than the path written.
void write_file_as(const std::string& path, const placed_pieces& pieces, const std::string& shown) {
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) throw file_error(shown, "create", reason());
  // The pieces are large already: each goes to the system in one write.
  std::setvbuf(f, nullptr, _IONBF, 0);
  bool written = true;
  std::string why;
  std::uint64_t position = 0;
  try {
    pieces([&](std::uint64_t offset, std::string_view piece) {
      if (!written) return;
      if (offset != position) {
        errno = 0;
        if (offset > static_cast<std::uint64_t>(LONG_MAX) ||
            std::fseek(f, static_cast<long>(offset), SEEK_SET) != 0) {
          written = false;
          why = errno != 0 ? reason() : "offset out of range";
          return;
        }
      }
      if (std::fwrite(piece.data(), 1, piece.size(), f) == piece.size()) {
        position = offset + piece.size();
        return;
      }
      written = false;
      why = reason();
    });
  } catch (...) {
    std::fclose(f);
    throw;
  }
  // Closing flushes what the library still buffers, so it can fail too.
  if (std::fclose(f) != 0 && written) throw file_error(shown, "write", reason());
  if (!written) throw file_error(shown, "write", why);
}

// Pieces in file order, each placed right after the one before.
placed_pieces in_order(const byte_pieces& pieces) {
  return [&pieces](const placed_sink& sink) {
    std::uint64_t at = 0;
    pieces([&](std::string_view piece) {
      sink(at, piece);
      at += piece.size();
    });
  };
}

byte_pieces one_piece(std::string_view bytes) {
  return [bytes](const piece_sink& sink) { sink(bytes); };
}

// Chunk in which file_in_pieces reads a file.
constexpr std::size_t file_chunk_size = 256 * 1024;

std::string temporary_name_for(const std::string& name) {
  return name + ".tmp" + std::to_string(current_process_id());
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

void write_new_file(const std::string& name, std::string_view bytes) {
  write_file_as(name, in_order(one_piece(bytes)), name);
}

std::optional<std::string> read_file(const std::string& name) {
  if (!file_exists(name)) return std::nullopt;
  errno = 0;
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (f == nullptr) throw file_error(name, "open", reason());
  // The size the system gives lets the whole file come in one read; the
  // loop after it only picks up what a growing file added since.
  std::string data;
  struct stat st {};
  if (::stat(name.c_str(), &st) == 0 && st.st_size > 0) {
    data.resize(static_cast<std::size_t>(st.st_size));
    data.resize(std::fread(data.data(), 1, data.size(), f));
  }
  char chunk[65536];
  std::size_t n = 0;
  while (!std::ferror(f) && (n = std::fread(chunk, 1, sizeof chunk, f)) > 0) data.append(chunk, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) throw file_error(name, "read", reason());
  return data;
}

byte_pieces file_in_pieces(const std::string& name) {
  return [name](const piece_sink& sink) {
    errno = 0;
    std::FILE* f = std::fopen(name.c_str(), "rb");
    if (f == nullptr) throw file_error(name, "open", reason());
    std::setvbuf(f, nullptr, _IONBF, 0);
    std::unique_ptr<char[]> chunk(new char[file_chunk_size]);
    try {
      std::size_t n = 0;
      while ((n = std::fread(chunk.get(), 1, file_chunk_size, f)) > 0)
        sink(std::string_view(chunk.get(), n));
    } catch (...) {
      std::fclose(f);
      throw;
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) throw file_error(name, "read", reason());
  };
}

void replace_file(const std::string& name, std::string_view bytes) {
  replace_file_in_pieces(name, one_piece(bytes));
}

void replace_file_in_pieces(const std::string& name, const byte_pieces& pieces) {
  replace_file_placed(name, in_order(pieces));
}

void replace_file_placed(const std::string& name, const placed_pieces& pieces) {
  const std::string temporary = temporary_name_for(name);
  try {
    write_file_as(temporary, pieces, name);
  } catch (const file_error&) {
    std::remove(temporary.c_str());
    throw;
  }
  std::string why;
  if (!move_over(temporary, name, why)) {
    std::remove(temporary.c_str());
    throw file_error(name, "replace", why);
  }
}

}  // namespace scn
