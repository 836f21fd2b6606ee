// Feeding bytes through the framing and the JSON parser to the server.
#include "tool/lsp/server_session.h"

#include <new>

namespace scn::tool::lsp {

server_session::server_session(const file_source& files, language_server::logger log)
    : log_(std::move(log)),
      server_(
          files, [this](const json& m) { out_ += frame(serialise(m)); }, log_) {}

void server_session::handle_body(const std::string& body) {
  if (nesting_depth(body) > max_nesting) {
    server_.handle_unparsable("the body nests deeper than " + std::to_string(max_nesting) +
                              " levels");
    return;
  }
  json message = json::parse(body, nullptr, false);
  if (message.is_discarded()) {
    server_.handle_unparsable("the body is not JSON");
    return;
  }
  try {
    server_.handle(message);
  } catch (const std::bad_alloc&) {
    log_("out of memory answering a message; it is dropped");
  } catch (const std::exception& e) {
    log_(std::string("message dropped: ") + e.what());
  }
}

std::string server_session::feed(std::string_view bytes) {
  decoder_.feed(bytes);
  while (!server_.exit_status()) {
    auto frame = decoder_.next();
    if (!frame) break;
    if (frame->ok) {
      handle_body(frame->body);
    } else {
      log_("framing: " + frame->body);
    }
  }
  server_.flush();
  std::string out;
  out.swap(out_);
  return out;
}

}  // namespace scn::tool::lsp
