// The interrupt cleanup on POSIX: a fixed table of (directory descriptor,
// name) pairs, removed with unlinkat by a signal handler that then ends the
// process with _exit. Both calls are async-signal-safe, and the table is
// only changed while the signals wait (interrupts_held).
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstring>

#include "platform/interrupt_cleanup.h"

namespace scn {

namespace {

constexpr int handled_signals[] = {SIGINT, SIGTERM, SIGHUP};

struct cleanup_slot {
  volatile sig_atomic_t used = 0;
  int directory = -1;
  char name[64] = {};
};

cleanup_slot slots[8];
bool handler_installed = false;

extern "C" void remove_and_exit(int signal_number) {
  for (auto& slot : slots) {
    if (slot.used != 0) ::unlinkat(slot.directory, slot.name, 0);
  }
  ::_exit(128 + signal_number);
}

sigset_t handled_set() {
  sigset_t set;
  sigemptyset(&set);
  for (int s : handled_signals) sigaddset(&set, s);
  return set;
}

void install_handler() {
  for (int s : handled_signals) {
    struct sigaction old {};
    if (::sigaction(s, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = remove_and_exit;
    action.sa_mask = handled_set();
    ::sigaction(s, &action, nullptr);
  }
  handler_installed = true;
}

}  // namespace

static_assert(sizeof(sigset_t) <= 128, "interrupts_held keeps a sigset_t");

interrupts_held::interrupts_held() {
  const sigset_t set = handled_set();
  sigset_t old;
  ::sigprocmask(SIG_BLOCK, &set, &old);
  std::memcpy(saved_, &old, sizeof old);
}

interrupts_held::~interrupts_held() {
  sigset_t old;
  std::memcpy(&old, saved_, sizeof old);
  ::sigprocmask(SIG_SETMASK, &old, nullptr);
}

int remove_on_interrupt(int directory, const char* name) noexcept {
  if (std::strlen(name) >= sizeof slots[0].name) return -1;
  interrupts_held held;
  if (!handler_installed) install_handler();
  for (int i = 0; i < static_cast<int>(sizeof slots / sizeof slots[0]); ++i) {
    auto& slot = slots[i];
    if (slot.used != 0) continue;
    slot.directory = directory;
    std::strcpy(slot.name, name);
    slot.used = 1;
    return i;
  }
  return -1;
}

void keep_on_interrupt(int slot) noexcept {
  if (slot < 0) return;
  interrupts_held held;
  slots[slot].used = 0;
}

}  // namespace scn
