// File operations on top of the C library, reporting failures by name.
#include "platform/file_ops.h"

#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_error.h"
#include "platform/file_system.h"

namespace scn {

namespace {

std::string reason() {
  return std::strerror(errno);
}

// Writes every piece in order to a new file at `path`; after a failed write
// the remaining pieces are dropped. A failure names `shown` (the file the
// caller is producing) rather than the path written.
void write_file_as(const std::string& path, const byte_pieces& pieces, const std::string& shown) {
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) throw file_error(shown, "create", reason());
  // The pieces are large already: each goes to the system in one write.
  std::setvbuf(f, nullptr, _IONBF, 0);
  bool written = true;
  std::string why;
  try {
    pieces([&](std::string_view piece) {
      if (!written || std::fwrite(piece.data(), 1, piece.size(), f) == piece.size()) return;
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

byte_pieces one_piece(std::string_view bytes) {
  return [bytes](const piece_sink& sink) { sink(bytes); };
}

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
  write_file_as(name, one_piece(bytes), name);
}

std::optional<std::string> read_file(const std::string& name) {
  if (!file_exists(name)) return std::nullopt;
  errno = 0;
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (f == nullptr) throw file_error(name, "open", reason());
  std::string data;
  char chunk[65536];
  std::size_t n = 0;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) data.append(chunk, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) throw file_error(name, "read", reason());
  return data;
}

void replace_file(const std::string& name, std::string_view bytes) {
  replace_file_in_pieces(name, one_piece(bytes));
}

void replace_file_in_pieces(const std::string& name, const byte_pieces& pieces) {
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
