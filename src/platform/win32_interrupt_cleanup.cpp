// The interrupt cleanup on Windows: a console control handler (Ctrl-C,
// Ctrl-Break, closing the console) runs on a thread of its own, so a
// critical section guards the table; the handler deletes every recorded
// file (a temporary file is opened with FILE_SHARE_DELETE, so it goes when
// its handle closes) and ends the process.
#include <windows.h>

#include <cstring>

#include "platform/interrupt_cleanup.h"

namespace scn {

namespace {

struct cleanup_slot {
  bool used = false;
  char path[MAX_PATH * 4] = {};
};

cleanup_slot slots[8];
CRITICAL_SECTION table_lock;
bool handler_installed = false;

BOOL WINAPI remove_and_exit(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) {
    return FALSE;
  }
  EnterCriticalSection(&table_lock);
  for (auto& slot : slots) {
    if (slot.used) DeleteFileA(slot.path);
  }
  ExitProcess(130);
}

void install_handler() {
  InitializeCriticalSection(&table_lock);
  SetConsoleCtrlHandler(remove_and_exit, TRUE);
  handler_installed = true;
}

}  // namespace

interrupts_held::interrupts_held() : saved_{} {}
interrupts_held::~interrupts_held() = default;

int remove_on_interrupt(int, const char* name) noexcept {
  if (std::strlen(name) >= sizeof slots[0].path) return -1;
  if (!handler_installed) install_handler();
  EnterCriticalSection(&table_lock);
  int found = -1;
  for (int i = 0; i < static_cast<int>(sizeof slots / sizeof slots[0]) && found < 0; ++i) {
    if (slots[i].used) continue;
    std::strcpy(slots[i].path, name);
    slots[i].used = true;
    found = i;
  }
  LeaveCriticalSection(&table_lock);
  return found;
}

void keep_on_interrupt(int slot) noexcept {
  if (slot < 0 || !handler_installed) return;
  EnterCriticalSection(&table_lock);
  slots[slot].used = false;
  LeaveCriticalSection(&table_lock);
}

}  // namespace scn
