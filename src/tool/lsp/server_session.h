// The server behind its message layer: bytes in, framed messages out. The
// stdio loop and the tests feed it the same way.
#pragma once

#include <string>
#include <string_view>

#include "tool/lsp/language_server.h"
#include "tool/lsp/message_framing.h"

namespace scn::tool::lsp {

class server_session {
 public:
  server_session(const file_source& files, language_server::logger log);

  // Takes bytes as they arrive; returns the framed messages to send.
  std::string feed(std::string_view bytes);
  // Set once "exit" has arrived; bytes after it are not read.
  std::optional<int> exit_status() const { return server_.exit_status(); }
  bool shutdown_requested() const { return server_.shutdown_requested(); }

 private:
  void handle_body(const std::string& body);

  language_server::logger log_;
  std::string out_;
  frame_decoder decoder_;
  language_server server_;
};

// Serves the standard streams until "exit" or the end of input; the
// process's exit status (0 only after "shutdown").
int serve_stdio(const file_source& files);

}  // namespace scn::tool::lsp
