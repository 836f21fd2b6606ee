// A client for the language server in tests: files from memory, messages
// framed into the session and the answers parsed back.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tool/lsp/server_session.h"

namespace scn::tool::lsp::testing {

class memory_files final : public file_source {
 public:
  std::map<std::string, std::string> files;  // by path

  std::optional<std::string> read(const std::string& path) const override {
    const auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::vector<std::string> list(const std::string& folder) const override {
    std::vector<std::string> out;
    for (const auto& [path, text] : files) {
      if (path.rfind(folder + "/", 0) == 0 &&
          path.find('/', folder.size() + 1) == std::string::npos)
        out.push_back(path);
    }
    return out;
  }
};

// Splits framed output into parsed messages.
std::vector<json> parse_frames(const std::string& bytes);

class test_client {
 public:
  explicit test_client(const memory_files& files)
      : session_(files, [this](const std::string& line) { log.push_back(line); }) {}

  // Sends raw bytes; returns every message the server sent back.
  std::vector<json> send_bytes(const std::string& bytes) {
    return parse_frames(session_.feed(bytes));
  }
  std::vector<json> send(const json& message) { return send_bytes(frame(message.dump())); }
  std::vector<json> request(const std::string& method, json params) {
    return send({{"jsonrpc", "2.0"}, {"id", ++id_}, {"method", method}, {"params", params}});
  }
  std::vector<json> notify(const std::string& method, json params) {
    return send({{"jsonrpc", "2.0"}, {"method", method}, {"params", params}});
  }
  // The result of a request, which must be answered with one.
  json result(const std::string& method, json params);
  void initialize(bool snippets = false);
  std::vector<json> open(const std::string& uri, const std::string& text);
  std::vector<json> change(const std::string& uri, const std::string& text);

  server_session& session() { return session_; }
  std::vector<std::string> log;

 private:
  server_session session_;
  int id_ = 0;
  int version_ = 1;
};

// The diagnostics a batch of messages publishes for a URI, or null when
// none were published for it.
json published(const std::vector<json>& messages, const std::string& uri);

}  // namespace scn::tool::lsp::testing
