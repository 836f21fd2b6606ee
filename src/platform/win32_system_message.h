// The system's text for a Win32 error code.
#pragma once

#include <windows.h>

#include <string>

namespace scn {

std::string win32_system_message(DWORD code);

}  // namespace scn
