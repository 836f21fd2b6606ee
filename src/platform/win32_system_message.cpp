// The system's text for a Win32 error code, without its closing line end.
#include "platform/win32_system_message.h"

namespace scn {

std::string win32_system_message(DWORD code) {
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

}  // namespace scn
