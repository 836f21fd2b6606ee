// The console layer: the wait window and the message box become lines on
// standard error, the program directory comes from /proc/self/exe.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/platform.h"

namespace scn {

namespace {

class console_platform final : public platform {
 public:
  void show_wait_window() override { std::fputs("Attendere\n", stderr); }

  void show_message(const std::string& text) override {
    std::fprintf(stderr, "%s\n", text.c_str());
  }

  std::string program_directory() override {
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0) return ".";
    path.resize(static_cast<std::size_t>(n));
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
  }

  char path_separator() const override { return '/'; }
};

}  // namespace

std::unique_ptr<platform> make_platform() {
  return std::make_unique<console_platform>();
}

}  // namespace scn
