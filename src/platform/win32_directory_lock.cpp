// The folder lock on Windows: LockFileEx on ".scenario.lock", which stays
// in the folder (a file another run holds open cannot be removed there).
#include <windows.h>

#include "platform/directory_lock.h"
#include "platform/win32_system_message.h"

namespace scn {

namespace {

class win32_directory_lock final : public directory_lock {
 public:
  explicit win32_directory_lock(HANDLE file) : file_(file) {}
  ~win32_directory_lock() override { CloseHandle(file_); }
  win32_directory_lock(const win32_directory_lock&) = delete;
  win32_directory_lock& operator=(const win32_directory_lock&) = delete;

 private:
  HANDLE file_;
};

class no_lock final : public directory_lock {};

}  // namespace

std::unique_ptr<directory_lock> directory_lock::acquire(const std::string& directory,
                                                        std::string& reason) {
  const std::string path = directory + "\\" + lock_file_name;
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (code == ERROR_ACCESS_DENIED || code == ERROR_WRITE_PROTECT) {
      return std::make_unique<no_lock>();
    }
    reason = win32_system_message(code);
    return nullptr;
  }
  auto held = std::make_unique<win32_directory_lock>(file);
  OVERLAPPED whole{};
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
    reason = win32_system_message(GetLastError());
    return nullptr;
  }
  return held;
}

}  // namespace scn
