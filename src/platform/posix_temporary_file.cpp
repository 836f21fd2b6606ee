// Temporary files on POSIX. Everything happens relative to a descriptor of
// the target's directory: the file is created there with
// O_CREAT | O_EXCL | O_NOFOLLOW under a random name, and renamed with
// renameat, so neither a planted link nor a directory renamed meanwhile can
// send the bytes elsewhere.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

#include "platform/interrupt_cleanup.h"
#include "platform/path_parts.h"
#include "platform/temporary_file.h"

namespace scn {

namespace {

std::string system_reason() {
  return std::strerror(errno);
}

// Tries this many random names before giving up; a clash is already
// unlikely once in 36^12.
constexpr int name_attempts = 64;

class posix_temporary_file final : public temporary_file {
 public:
  posix_temporary_file(int directory, std::string target) noexcept
      : directory_(directory), target_(std::move(target)) {}
  ~posix_temporary_file() override;
  posix_temporary_file(const posix_temporary_file&) = delete;
  posix_temporary_file& operator=(const posix_temporary_file&) = delete;

  bool create(std::string& reason);
  bool write(std::string_view bytes, std::string& reason) override;
  bool seek(std::uint64_t offset, std::string& reason) override;
  bool close(std::string& reason) override;
  bool replace_target(std::string& reason) override;
  const std::string& name() const override { return name_; }

 private:
  void take_target_permissions();

  int directory_;
  int fd_ = -1;
  int slot_ = -1;
  bool replaced_ = false;
  std::string target_;
  std::string name_;
};

posix_temporary_file::~posix_temporary_file() {
  if (fd_ >= 0) ::close(fd_);
  if (!replaced_ && !name_.empty()) {
    interrupts_held held;
    ::unlinkat(directory_, name_.c_str(), 0);
    keep_on_interrupt(slot_);
  }
  ::close(directory_);
}

bool posix_temporary_file::create(std::string& reason) {
  constexpr int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
  for (int attempt = 0; attempt < name_attempts; ++attempt) {
    const std::string candidate = random_temporary_name();
    interrupts_held held;
    fd_ = ::openat(directory_, candidate.c_str(), flags, 0666);
    if (fd_ >= 0) {
      name_ = candidate;
      slot_ = remove_on_interrupt(directory_, name_.c_str());
      return true;
    }
    if (errno != EEXIST) break;
  }
  reason = system_reason();
  return false;
}

bool posix_temporary_file::write(std::string_view bytes, std::string& reason) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      reason = n < 0 ? system_reason() : "nothing was written";
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool posix_temporary_file::seek(std::uint64_t offset, std::string& reason) {
  if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) {
    reason = "offset out of range";
    return false;
  }
  if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) {
    reason = system_reason();
    return false;
  }
  return true;
}

void posix_temporary_file::take_target_permissions() {
  struct stat old {};
  if (::fstatat(directory_, target_.c_str(), &old, AT_SYMLINK_NOFOLLOW) != 0) return;
  if (S_ISREG(old.st_mode)) ::fchmod(fd_, old.st_mode & 0777);
}

bool posix_temporary_file::close(std::string& reason) {
  take_target_permissions();
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) == 0) return true;
  reason = system_reason();
  return false;
}

bool posix_temporary_file::replace_target(std::string& reason) {
  interrupts_held held;
  if (::renameat(directory_, name_.c_str(), directory_, target_.c_str()) != 0) {
    reason = system_reason();
    return false;
  }
  replaced_ = true;
  keep_on_interrupt(slot_);
  return true;
}

}  // namespace

std::unique_ptr<temporary_file> temporary_file::create_beside(const std::string& target,
                                                              std::string& reason) {
  const path_parts parts = split_path(target);
  if (parts.name.empty()) {
    reason = std::strerror(EISDIR);
    return nullptr;
  }
  const int directory = ::open(parts.directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory < 0) {
    reason = system_reason();
    return nullptr;
  }
  auto file = std::make_unique<posix_temporary_file>(directory, parts.name);
  if (!file->create(reason)) return nullptr;
  return file;
}

}  // namespace scn
