// Files to remove when an interrupt (Ctrl-C, SIGINT, SIGTERM, SIGHUP) ends
// the process in the middle of a run: the temporary files being written and
// the run's lock file. The record is a fixed table that the interrupt
// handler reads without allocating or locking.
#pragma once

namespace scn {

// Keeps SIGINT, SIGTERM and SIGHUP waiting while it lives, so that creating
// or renaming a file and updating the table happen as one step. Nothing on
// Windows, where the interrupt handler runs on a thread of its own.
class interrupts_held {
 public:
  interrupts_held();
  ~interrupts_held();
  interrupts_held(const interrupts_held&) = delete;
  interrupts_held& operator=(const interrupts_held&) = delete;

 private:
  alignas(8) unsigned char saved_[128];
};

// Records `name` inside the open directory `directory` (a descriptor on
// POSIX, ignored on Windows where `name` is the full path) for removal on
// an interrupt; returns the slot, or -1 when the table is full. The first
// call installs the handler, which removes every recorded file and ends the
// process with status 128 + the signal number (130 for Ctrl-C). A signal
// the process was started with ignored stays ignored.
int remove_on_interrupt(int directory, const char* name) noexcept;

// Drops the record of a slot (a negative slot is ignored).
void keep_on_interrupt(int slot) noexcept;

}  // namespace scn
