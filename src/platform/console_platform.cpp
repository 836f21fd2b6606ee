// The console layer: the wait window and the message box become lines on
// standard error, the program directory comes from /proc/self/exe.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/platform.h"
#include "platform/platform_error.h"

namespace scn {

namespace {

class console_platform final : public platform {
 public:
  void show_wait_window() override { std::fputs("Attendere\n", stderr); }

  void show_message(const std::string& text) override {
    std::fprintf(stderr, "%s\n", text.c_str());
  }

  // The link /proc/self/exe read at any length: the buffer grows until the
  // whole path fits. Without it there is no program directory, and the run
  // stops rather than write somewhere else.
  std::string program_directory() override {
    std::string path(256, '\0');
    for (;;) {
      const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
      if (n < 0) {
        throw platform_error(std::string("cannot find the program's directory: /proc/self/exe: ") +
                             std::strerror(errno));
      }
      if (static_cast<std::size_t>(n) < path.size()) {
        path.resize(static_cast<std::size_t>(n));
        break;
      }
      path.resize(path.size() * 2);
    }
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
      throw platform_error("cannot find the program's directory: /proc/self/exe is " + path);
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
  }

  char path_separator() const override { return '/'; }
};

}  // namespace

std::unique_ptr<platform> make_platform() {
  return std::make_unique<console_platform>();
}

}  // namespace scn
