// Temporary files on Windows: CreateFileA with CREATE_NEW under a random
// name beside the target (it fails when anything already has that name),
// MoveFileExA to replace the target. The file is shared for deletion so
// that the interrupt cleanup can remove it while it is open.
#include <windows.h>

#include "platform/interrupt_cleanup.h"
#include "platform/path_parts.h"
#include "platform/temporary_file.h"
#include "platform/win32_system_message.h"

namespace scn {

namespace {

constexpr int name_attempts = 64;

class win32_temporary_file final : public temporary_file {
 public:
  explicit win32_temporary_file(std::string target) : target_(std::move(target)) {}
  ~win32_temporary_file() override;
  win32_temporary_file(const win32_temporary_file&) = delete;
  win32_temporary_file& operator=(const win32_temporary_file&) = delete;

  bool create(const std::string& directory, std::string& reason);
  bool write(std::string_view bytes, std::string& reason) override;
  bool seek(std::uint64_t offset, std::string& reason) override;
  bool close(std::string& reason) override;
  bool replace_target(std::string& reason) override;
  const std::string& name() const override { return name_; }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  int slot_ = -1;
  bool replaced_ = false;
  std::string target_;
  std::string path_;
  std::string name_;
};

win32_temporary_file::~win32_temporary_file() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  if (!replaced_ && !path_.empty()) DeleteFileA(path_.c_str());
  keep_on_interrupt(slot_);
}

bool win32_temporary_file::create(const std::string& directory, std::string& reason) {
  for (int attempt = 0; attempt < name_attempts; ++attempt) {
    const std::string candidate = random_temporary_name();
    const std::string path = directory + "\\" + candidate;
    handle_ = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ != INVALID_HANDLE_VALUE) {
      name_ = candidate;
      path_ = path;
      slot_ = remove_on_interrupt(0, path_.c_str());
      return true;
    }
    if (GetLastError() != ERROR_FILE_EXISTS) break;
  }
  reason = win32_system_message(GetLastError());
  return false;
}

bool win32_temporary_file::write(std::string_view bytes, std::string& reason) {
  while (!bytes.empty()) {
    const DWORD piece = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(handle_, bytes.data(), piece, &written, nullptr) || written == 0) {
      reason = win32_system_message(GetLastError());
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool win32_temporary_file::seek(std::uint64_t offset, std::string& reason) {
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  if (offset > 0x7FFFFFFFFFFFFFFFull || !SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN)) {
    reason = win32_system_message(GetLastError());
    return false;
  }
  return true;
}

bool win32_temporary_file::close(std::string& reason) {
  const HANDLE h = handle_;
  handle_ = INVALID_HANDLE_VALUE;
  if (CloseHandle(h)) return true;
  reason = win32_system_message(GetLastError());
  return false;
}

bool win32_temporary_file::replace_target(std::string& reason) {
  const std::string target = split_path(path_).directory + "\\" + target_;
  if (!MoveFileExA(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    reason = win32_system_message(GetLastError());
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
    reason = win32_system_message(ERROR_DIRECTORY);
    return nullptr;
  }
  auto file = std::make_unique<win32_temporary_file>(parts.name);
  if (!file->create(parts.directory, reason)) return nullptr;
  return file;
}

}  // namespace scn
