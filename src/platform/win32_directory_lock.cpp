// The folder lock on Windows: LockFileEx on ".scenario.lock". As on POSIX,
// the holder deletes the file before it lets go, so no lock file stays
// behind; every handle shares deletion, so the file is marked for deletion
// at once and goes when the last handle closes. A waiter that wakes up
// holding a file that is no longer the folder's lock file (it cannot be
// opened by name while its deletion is pending) lets it go and tries again.
#include <windows.h>

#include "platform/directory_lock.h"
#include "platform/interrupt_cleanup.h"
#include "platform/win32_system_message.h"

namespace scn {

namespace {

// How long a lock file whose deletion is pending may keep a new run from
// opening one, before the run gives up: the holders that still have it open
// only need to look at it and let go.
constexpr int pending_retries = 5000;

constexpr DWORD share_all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

class win32_directory_lock final : public directory_lock {
 public:
  win32_directory_lock(HANDLE file, std::string path)
      : file_(file), path_(std::move(path)), slot_(remove_on_interrupt(0, path_.c_str())) {}
  ~win32_directory_lock() override {
    DeleteFileA(path_.c_str());
    CloseHandle(file_);
    keep_on_interrupt(slot_);
  }
  win32_directory_lock(const win32_directory_lock&) = delete;
  win32_directory_lock& operator=(const win32_directory_lock&) = delete;

 private:
  HANDLE file_;
  std::string path_;
  int slot_;
};

class no_lock final : public directory_lock {};

bool same_file(HANDLE held, const std::string& path) {
  const HANDLE named = CreateFileA(path.c_str(), 0, share_all, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
  if (named == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION a{}, b{};
  const bool known = GetFileInformationByHandle(held, &a) && GetFileInformationByHandle(named, &b);
  CloseHandle(named);
  return known && a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
         a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

// Access is denied both in a folder where no file can be created and for a
// lock file whose deletion is pending; only the second passes.
bool lock_file_missing(const std::string& path) {
  return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES &&
         GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace

std::unique_ptr<directory_lock> directory_lock::acquire(const std::string& directory,
                                                        std::string& reason) {
  const std::string path = directory + "\\" + lock_file_name;
  for (int pending = 0;;) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, share_all, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      const DWORD code = GetLastError();
      if (code == ERROR_WRITE_PROTECT) return std::make_unique<no_lock>();
      if (code == ERROR_ACCESS_DENIED && lock_file_missing(path)) {
        return std::make_unique<no_lock>();
      }
      if (code != ERROR_ACCESS_DENIED || ++pending > pending_retries) {
        reason = win32_system_message(code);
        return nullptr;
      }
      Sleep(1);
      continue;
    }
    OVERLAPPED whole{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
      reason = win32_system_message(GetLastError());
      CloseHandle(file);
      return nullptr;
    }
    if (same_file(file, path)) return std::make_unique<win32_directory_lock>(file, path);
    CloseHandle(file);
  }
}

}  // namespace scn
