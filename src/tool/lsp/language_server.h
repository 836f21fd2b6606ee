// The language server's state and its answer to each message: the life
// cycle (initialize, shutdown, exit), the open documents and the features.
// It reads nothing from and writes nothing to the standard streams; the
// messages it sends are handed to `send`, its log lines to `log`.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tool/lsp/document_store.h"
#include "tool/lsp/json_rpc.h"

namespace scn::tool::lsp {

class language_server {
 public:
  using sender = std::function<void(const json&)>;
  using logger = std::function<void(const std::string&)>;

  language_server(const file_source& files, sender send, logger log);

  // One message as parsed from a body.
  void handle(const json& message);
  // A body that is not JSON.
  void handle_unparsable(const std::string& what);

  // Publishes the diagnostics of the documents opened or changed since the
  // last call. The session calls it once the bytes at hand are handled, so
  // that a burst of changes to one document costs one compile.
  void flush();

  // After "exit": the status the process ends with (0 after a shutdown).
  std::optional<int> exit_status() const { return exit_status_; }
  bool shutdown_requested() const { return shutdown_; }

 private:
  void request(const incoming& in);
  void notify(const incoming& in);
  json answer(const std::string& method, const json& params);
  json initialize(const json& params);

  void opened(const json& params);
  void changed(const json& params);
  void closed(const json& params);
  // Marks an open document's pairs for compiling at the next flush.
  void schedule(const std::string& uri);
  // Compiles the pairs a document belongs to and publishes the diagnostics
  // of both files of each.
  void publish_for(const std::string& uri);
  void publish_pair(const struct description_pair& pair);

  document_store docs_;
  sender send_;
  logger log_;
  bool initialized_ = false;
  bool shutdown_ = false;
  bool snippets_ = false;
  std::optional<int> exit_status_;
  std::map<std::string, json> published_;  // the diagnostics shown, by URI
  std::vector<std::string> pending_;       // URIs to compile at the next flush
};

}  // namespace scn::tool::lsp
