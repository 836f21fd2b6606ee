// Win32 file-system steps: the C library's rename refuses an existing
// target there, so the move goes through MoveFileExA, which replaces it.
#include <windows.h>

#include "platform/file_system.h"

namespace scn {

namespace {

// The system's text for an error code, without its closing line end.
std::string system_message(DWORD code) {
  char* text = nullptr;
  const DWORD flags =
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  const DWORD n =
      FormatMessageA(flags, nullptr, code, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
  std::string message = n != 0 && text != nullptr ? std::string(text, n) : std::string();
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message.empty() ? "system error " + std::to_string(code) : message;
}

}  // namespace

bool move_over(const std::string& from, const std::string& to, std::string& reason) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0) return true;
  reason = system_message(GetLastError());
  return false;
}

unsigned long current_process_id() {
  return static_cast<unsigned long>(GetCurrentProcessId());
}

}  // namespace scn
