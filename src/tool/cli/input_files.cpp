// Checking inputs and output folders with the system's own reasons.
#include "tool/cli/input_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/file_error.h"
#include "platform/file_ops.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace scn::tool {

namespace fs = std::filesystem;

namespace {

std::string reason_of(std::errc e) {
  return std::make_error_code(e).message();
}

// Existence and kind of an input, with the reason when it cannot be read.
void require_regular(const std::string& name) {
  std::error_code ec;
  const auto st = fs::status(name, ec);
  if (ec) throw file_error(name, "open", ec.message());
  if (fs::is_directory(st)) throw file_error(name, "open", reason_of(std::errc::is_a_directory));
  if (!fs::is_regular_file(st)) throw file_error(name, "open", "not a regular file");
}

}  // namespace

std::string read_input(const std::string& name, const input_limit& limit) {
  require_regular(name);
  auto bytes = read_file(name, limit);
  // Gone between the two looks: the same answer as when it was missing.
  if (!bytes) throw file_error(name, "open", reason_of(std::errc::no_such_file_or_directory));
  return std::move(*bytes);
}

void require_input(const std::string& name) {
  require_regular(name);
  errno = 0;
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (f == nullptr) throw file_error(name, "open", std::strerror(errno));
  std::fclose(f);
}

void prepare_output_folder(const std::string& folder) {
  check_output_folder(folder);
  std::error_code ec;
  const auto st = fs::status(folder, ec);
  if (fs::is_directory(st)) return;
  if (fs::exists(st)) {
    throw file_error(folder, "write into", reason_of(std::errc::not_a_directory));
  }
  fs::create_directories(folder, ec);
  if (ec) throw file_error(folder, "create", ec.message());
}

void check_output_folder(const std::string& folder) {
  if (folder.empty()) throw file_error("\"\"", "write into", "the folder name is empty");
  std::error_code ec;
  fs::path existing(folder);
  while (!fs::exists(fs::symlink_status(existing, ec))) {
    const fs::path parent = existing.parent_path();
    if (parent == existing) return;  // a root that does not exist: creating it will tell
    existing = parent.empty() ? fs::path(".") : parent;
  }
  const auto st = fs::status(existing, ec);
  if (!fs::is_directory(st)) {
    throw file_error(existing.string(), "write into", reason_of(std::errc::not_a_directory));
  }
#ifndef _WIN32
  // Write permission is known only to the system; Windows answers it when
  // the file is created.
  errno = 0;
  if (::access(existing.c_str(), W_OK | X_OK) != 0) {
    throw file_error(existing.string(), "write into", std::strerror(errno));
  }
#endif
}

void refuse_existing(const std::string& name, bool force) {
  std::error_code ec;
  if (force || !fs::exists(fs::symlink_status(name, ec))) return;
  throw file_error(name, "write", "the file already exists (--force replaces it)");
}

}  // namespace scn::tool
