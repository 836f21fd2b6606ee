// File identities on Windows: the volume serial number and the file index
// of GetFileInformationByHandle.
#include <windows.h>

#include "platform/file_identity.h"

namespace scn {

namespace {

std::optional<file_identity> of(HANDLE h) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(h, &info)) return std::nullopt;
  return file_identity{
      info.dwVolumeSerialNumber,
      (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

}  // namespace

std::optional<file_identity> identify_file(const std::string& path) {
  const HANDLE h =
      CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  auto id = of(h);
  CloseHandle(h);
  return id;
}

std::optional<file_identity> identify_standard_output() {
  const HANDLE h = GetStdHandle(STD_OUTPUT_HANDLE);
  if (h == INVALID_HANDLE_VALUE || h == nullptr || GetFileType(h) != FILE_TYPE_DISK) {
    return std::nullopt;
  }
  return of(h);
}

}  // namespace scn
