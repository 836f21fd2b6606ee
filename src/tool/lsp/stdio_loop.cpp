// The server on the standard streams: raw reads of whatever has arrived,
// binary on both ends, logs on standard error only.
#include <cerrno>
#include <cstdio>

#include "tool/lsp/server_session.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace scn::tool::lsp {

namespace {

// Bytes available on standard input, at most `size`; 0 at its end.
long read_input(char* buffer, unsigned size) {
#ifdef _WIN32
  return _read(0, buffer, size);
#else
  for (;;) {
    const ssize_t n = ::read(0, buffer, size);
    if (n >= 0 || errno != EINTR) return static_cast<long>(n);
  }
#endif
}

bool write_output(const std::string& bytes) {
  if (bytes.empty()) return true;
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
         std::fflush(stdout) == 0;
}

}  // namespace

int serve_stdio(const file_source& files) {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  server_session session(files, [](const std::string& line) {
    std::fprintf(stderr, "scenario-tool lsp: %s\n", line.c_str());
  });
  static char buffer[1 << 16];
  for (;;) {
    const long n = read_input(buffer, sizeof buffer);
    if (n <= 0) break;
    if (!write_output(session.feed(std::string_view(buffer, static_cast<std::size_t>(n))))) {
      std::fprintf(stderr, "scenario-tool lsp: cannot write to standard output\n");
      return 1;
    }
    if (session.exit_status()) return *session.exit_status();
  }
  // The input ended without "exit": a clean end only after "shutdown".
  return session.shutdown_requested() ? 0 : 1;
}

}  // namespace scn::tool::lsp
