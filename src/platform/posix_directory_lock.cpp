// The folder lock on POSIX: flock on ".scenario.lock". The holder removes
// the file before it lets go, so a waiter that wakes up holding a lock on a
// file that is no longer the folder's lock file opens the new one and waits
// again; this way no lock file stays behind after a run.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/directory_lock.h"
#include "platform/interrupt_cleanup.h"

namespace scn {

namespace {

class posix_directory_lock final : public directory_lock {
 public:
  explicit posix_directory_lock(int directory) noexcept : directory_(directory) {}
  ~posix_directory_lock() override;
  posix_directory_lock(const posix_directory_lock&) = delete;
  posix_directory_lock& operator=(const posix_directory_lock&) = delete;

  // 1: locked; 0: the folder cannot hold a lock file, or its file system
  // has no locks; -1: failure.
  int lock(std::string& reason);

 private:
  int open_lock_file();
  bool still_the_lock_file() const;

  int directory_;
  int fd_ = -1;
  int slot_ = -1;
};

posix_directory_lock::~posix_directory_lock() {
  if (fd_ >= 0) {
    interrupts_held held;
    ::unlinkat(directory_, lock_file_name, 0);
    keep_on_interrupt(slot_);
    ::close(fd_);
  }
  ::close(directory_);
}

// Opens the lock file, creating it (exclusively) when it is missing.
int posix_directory_lock::open_lock_file() {
  for (;;) {
    const int fd = ::openat(directory_, lock_file_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0 || errno != ENOENT) return fd;
    const int created = ::openat(directory_, lock_file_name,
                                 O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (created >= 0 || errno != EEXIST) return created;
  }
}

bool posix_directory_lock::still_the_lock_file() const {
  struct stat held {
  }, named{};
  if (::fstat(fd_, &held) != 0) return false;
  if (::fstatat(directory_, lock_file_name, &named, AT_SYMLINK_NOFOLLOW) != 0) return false;
  return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

int posix_directory_lock::lock(std::string& reason) {
  for (;;) {
    fd_ = open_lock_file();
    if (fd_ < 0) {
      if (errno == EACCES || errno == EPERM || errno == EROFS) return 0;
      reason = std::strerror(errno);
      return -1;
    }
    int locked;
    while ((locked = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
      // A file system without locks (some network mounts) runs unlocked,
      // as it did before the lock existed.
      const int error = errno;
      ::close(fd_);
      fd_ = -1;
      if (error == ENOLCK || error == EOPNOTSUPP || error == ENOTSUP) return 0;
      reason = std::strerror(error);
      return -1;
    }
    if (still_the_lock_file()) {
      slot_ = remove_on_interrupt(directory_, lock_file_name);
      return 1;
    }
    ::close(fd_);
    fd_ = -1;
  }
}

class no_lock final : public directory_lock {};

}  // namespace

std::unique_ptr<directory_lock> directory_lock::acquire(const std::string& directory,
                                                        std::string& reason) {
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    reason = std::strerror(errno);
    return nullptr;
  }
  auto held = std::make_unique<posix_directory_lock>(fd);
  const int result = held->lock(reason);
  if (result < 0) return nullptr;
  if (result == 0) return std::make_unique<no_lock>();
  return held;
}

}  // namespace scn
