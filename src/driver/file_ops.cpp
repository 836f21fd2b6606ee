// File operations on top of the C library, reporting failures by name.
#include "driver/file_ops.h"

#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "driver/file_error.h"

namespace scn {

namespace {

std::string reason() {
  return std::strerror(errno);
}

}  // namespace

bool file_exists(const std::string& name) {
  struct stat st {};
  return ::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void touch_file(const std::string& name) {
  errno = 0;
  std::FILE* f = std::fopen(name.c_str(), "ab");
  if (f == nullptr) throw file_error(name, "open", reason());
  if (std::fclose(f) != 0) throw file_error(name, "close", reason());
}

void delete_file(const std::string& name) {
  errno = 0;
  if (std::remove(name.c_str()) != 0) throw file_error(name, "delete", reason());
}

void write_new_file(const std::string& name, std::string_view bytes) {
  errno = 0;
  std::FILE* f = std::fopen(name.c_str(), "wb");
  if (f == nullptr) throw file_error(name, "create", reason());
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const std::string why = written ? std::string() : reason();
  if (std::fclose(f) != 0 && written) throw file_error(name, "write", reason());
  if (!written) throw file_error(name, "write", why);
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
  touch_file(name);
  delete_file(name);
  write_new_file(name, bytes);
}

}  // namespace scn
