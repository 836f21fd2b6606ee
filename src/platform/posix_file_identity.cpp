// File identities on POSIX: stat's device and inode numbers.
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_identity.h"

namespace scn {

namespace {

file_identity of(const struct stat& st) {
  return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
}

}  // namespace

std::optional<file_identity> identify_file(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return of(st);
}

std::optional<file_identity> identify_standard_output() {
  struct stat st {};
  if (::fstat(STDOUT_FILENO, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return of(st);
}

}  // namespace scn
