// What the run needs from the host: the wait window, the message box, the
// program directory and the path separator. One implementation is linked in
// per build (console on Linux, Win32 on Windows).
#pragma once

#include <memory>
#include <string>

namespace scn {

class platform {
 public:
  virtual ~platform() = default;
  // Shows the wait window with its label "Attendere" and paints it once.
  virtual void show_wait_window() = 0;
  // Modal message box with a single OK button; returns when it is closed.
  virtual void show_message(const std::string& text) = 0;
  // Directory that holds the running program, without a trailing separator
  // unless it is the root.
  virtual std::string program_directory() = 0;
  virtual char path_separator() const = 0;
};

std::unique_ptr<platform> make_platform();

}  // namespace scn
