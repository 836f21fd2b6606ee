// Answering messages: the life cycle, document synchronisation and the
// features.
#include "tool/lsp/language_server.h"

#include <algorithm>

#include "tool/lsp/description_pair.h"
#include "tool/lsp/features.h"
#include "tool/lsp/pair_diagnostics.h"

namespace scn::tool::lsp {

namespace {

struct bad_params : std::runtime_error {
  using std::runtime_error::runtime_error;
};

const json& member(const json& object, const char* name) {
  if (!object.is_object()) throw bad_params("params must be an object");
  const auto it = object.find(name);
  if (it == object.end()) throw bad_params(std::string("missing \"") + name + "\"");
  return *it;
}

std::string string_member(const json& object, const char* name) {
  const json& v = member(object, name);
  if (!v.is_string()) throw bad_params(std::string("\"") + name + "\" must be a string");
  return v.get<std::string>();
}

std::string document_uri(const json& params) {
  return string_member(member(params, "textDocument"), "uri");
}

text_point position_of(const json& params) {
  text_point p;
  if (!read_position(member(params, "position"), p)) throw bad_params("bad \"position\"");
  return p;
}

long long version_of(const json& doc) {
  const auto v = doc.find("version");
  return v != doc.end() && v->is_number_integer() ? v->get<long long>() : 0;
}

json capabilities() {
  return {{"textDocumentSync",
           {{"openClose", true}, {"change", 1}, {"save", {{"includeText", false}}}}},
          {"hoverProvider", true},
          {"completionProvider", {{"resolveProvider", false}}},
          {"signatureHelpProvider", {{"triggerCharacters", {","}}, {"retriggerCharacters", {" "}}}},
          {"documentSymbolProvider", true},
          {"documentFormattingProvider", true},
          {"codeActionProvider", {{"codeActionKinds", {"quickfix"}}}}};
}

}  // namespace

language_server::language_server(const file_source& files, sender send, logger log)
    : docs_(files), send_(std::move(send)), log_(std::move(log)) {}

void language_server::handle_unparsable(const std::string& what) {
  log_("unparsable message: " + what);
  send_(error_response(nullptr, rpc_error::parse_error, "Parse error: " + what));
}

void language_server::handle(const json& message) {
  const incoming in = classify_message(message);
  switch (in.kind) {
    case message_kind::request:
      request(in);
      break;
    case message_kind::notification:
      notify(in);
      break;
    case message_kind::response:
      break;  // the server sends no requests
    case message_kind::invalid:
      log_("invalid JSON-RPC message ignored");
      send_(error_response(message.is_object() && message.contains("id") &&
                                   (message["id"].is_string() || message["id"].is_number_integer())
                               ? message["id"]
                               : json(nullptr),
                           rpc_error::invalid_request, "Invalid Request"));
      break;
  }
}

void language_server::request(const incoming& in) {
  if (in.method == "initialize") {
    if (initialized_) {
      send_(error_response(in.id, rpc_error::invalid_request, "already initialized"));
      return;
    }
    initialized_ = true;
    send_(response(in.id, initialize(in.params)));
    return;
  }
  if (!initialized_) {
    send_(error_response(in.id, rpc_error::server_not_initialized, "not initialized"));
    return;
  }
  if (shutdown_) {
    send_(error_response(in.id, rpc_error::invalid_request, "shutting down"));
    return;
  }
  try {
    json result = answer(in.method, in.params);
    if (result.is_discarded()) {
      send_(error_response(in.id, rpc_error::method_not_found, "no method \"" + in.method + "\""));
    } else {
      send_(response(in.id, std::move(result)));
    }
  } catch (const bad_params& e) {
    send_(error_response(in.id, rpc_error::invalid_params, e.what()));
  } catch (const json::exception& e) {
    send_(error_response(in.id, rpc_error::invalid_params, e.what()));
  } catch (const std::exception& e) {
    log_(in.method + " failed: " + e.what());
    send_(error_response(in.id, rpc_error::internal_error, e.what()));
  }
}

json language_server::initialize(const json& params) {
  snippets_ = false;
  if (params.is_object()) {
    const json::json_pointer path(
        "/capabilities/textDocument/completion/completionItem/snippetSupport");
    if (params.contains(path) && params.at(path).is_boolean())
      snippets_ = params.at(path).get<bool>();
  }
  return {{"capabilities", capabilities()}, {"serverInfo", {{"name", "scenario-tool lsp"}}}};
}

json language_server::answer(const std::string& method, const json& params) {
  if (method == "shutdown") {
    shutdown_ = true;
    return nullptr;
  }
  const bool known = method == "textDocument/hover" || method == "textDocument/completion" ||
                     method == "textDocument/signatureHelp" ||
                     method == "textDocument/documentSymbol" ||
                     method == "textDocument/codeAction" || method == "textDocument/formatting";
  if (!known) return json(json::value_t::discarded);
  const std::string uri = document_uri(params);
  const open_document* doc = docs_.find(uri);
  const bool empty_list =
      method == "textDocument/completion" || method == "textDocument/documentSymbol" ||
      method == "textDocument/codeAction" || method == "textDocument/formatting";
  const auto path = path_of_uri(uri);
  if (doc == nullptr || !path) return empty_list ? json::array() : json(nullptr);
  const document_view view{doc->text, role_of(*path) == description_role::line};
  if (method == "textDocument/hover") return hover(view, position_of(params));
  if (method == "textDocument/completion") return completion(view, position_of(params), snippets_);
  if (method == "textDocument/signatureHelp") return signature_help(view, position_of(params));
  if (method == "textDocument/documentSymbol") return document_symbols(view);
  if (method == "textDocument/formatting") return formatting(view);
  const json& context = params.value("context", json::object());
  static const json none = json::array();
  const auto shown = published_.find(uri);
  return code_actions(view, uri, member(params, "range"),
                      context.is_object() ? context.value("diagnostics", json::array()) : json(),
                      shown != published_.end() ? shown->second : none);
}

void language_server::notify(const incoming& in) {
  if (in.method == "exit") {
    exit_status_ = shutdown_ ? 0 : 1;
    return;
  }
  if (!initialized_ || shutdown_) return;
  try {
    if (in.method == "textDocument/didOpen") {
      opened(in.params);
    } else if (in.method == "textDocument/didChange") {
      changed(in.params);
    } else if (in.method == "textDocument/didClose") {
      closed(in.params);
    } else if (in.method == "textDocument/didSave") {
      schedule(document_uri(in.params));
    } else if (in.method == "workspace/didChangeWatchedFiles") {
      // A partner on disk may have changed: compile every open pair again.
      for (const auto& [uri, doc] : docs_.documents()) schedule(uri);
    }
  } catch (const std::exception& e) {
    log_("notification " + in.method + " ignored: " + e.what());
  }
}

void language_server::opened(const json& params) {
  const json& doc = member(params, "textDocument");
  const std::string uri = string_member(doc, "uri");
  docs_.open(uri, string_member(doc, "text"), version_of(doc));
  schedule(uri);
}

void language_server::changed(const json& params) {
  const json& doc = member(params, "textDocument");
  const std::string uri = string_member(doc, "uri");
  const json& changes = member(params, "contentChanges");
  if (!changes.is_array() || changes.empty()) throw bad_params("no content changes");
  // Full synchronisation: the last change holds the whole text.
  const json& last = changes.back();
  if (last.is_object() && last.contains("range")) throw bad_params("incremental change");
  if (!docs_.change(uri, string_member(last, "text"), version_of(doc))) {
    log_("change of a document that is not open: " + uri);
    return;
  }
  schedule(uri);
}

void language_server::closed(const json& params) {
  const std::string uri = document_uri(params);
  docs_.close(uri);
  // Its partners now compile with the file on disk; its own diagnostics go.
  publish_for(uri);
  if (published_.erase(uri) != 0)
    send_(notification("textDocument/publishDiagnostics",
                       {{"uri", uri}, {"diagnostics", json::array()}}));
}

void language_server::schedule(const std::string& uri) {
  if (std::find(pending_.begin(), pending_.end(), uri) == pending_.end()) pending_.push_back(uri);
}

void language_server::flush() {
  std::vector<std::string> uris;
  uris.swap(pending_);
  for (const auto& uri : uris) {
    // A document closed meanwhile was answered when it closed.
    if (docs_.find(uri) == nullptr) continue;
    try {
      publish_for(uri);
    } catch (const std::exception& e) {
      log_("diagnostics of " + uri + " not published: " + e.what());
    }
  }
}

void language_server::publish_for(const std::string& uri) {
  const auto path = path_of_uri(uri);
  if (!path) return;
  switch (role_of(*path)) {
    case description_role::line:
      for (const auto& pair : pairs_for_line(*path, docs_)) publish_pair(pair);
      break;
    case description_role::train:
      publish_pair(pair_for_train(*path, docs_));
      break;
    case description_role::other:
      break;
  }
}

void language_server::publish_pair(const description_pair& pair) {
  pair_sources sources{pair.line_name, pair.train_number, {}, {}};
  if (!pair.line_path.empty()) sources.line = docs_.text_of_path(pair.line_path);
  if (!pair.train_path.empty()) sources.train = docs_.text_of_path(pair.train_path);
  const auto uri_of = [&](const std::string& path) {
    if (path.empty()) return std::string();
    const open_document* d = docs_.find_path(path);
    return d != nullptr ? d->uri : uri_of_path(path);
  };
  const std::string line_uri = uri_of(pair.line_path), train_uri = uri_of(pair.train_path);

  std::vector<pair_finding> findings;
  if (!sources.line) {
    // A train description without its line: nothing compiles.
    findings.push_back({description::train,
                        {1, 1},
                        false,
                        "no-line-description",
                        "no line description \"" + pair.line_name +
                            "_linea.txt\" beside this file: it is not compiled",
                        {},
                        {}});
  } else {
    findings = diagnose_pair(sources);
  }
  const auto publish = [&](const std::string& uri, const std::optional<std::string>& text,
                           description file) {
    if (uri.empty() || !text) return;
    const document_view view{*text, file == description::line};
    json diagnostics = diagnostics_for(view, file, findings, line_uri, train_uri);
    send_(notification("textDocument/publishDiagnostics",
                       {{"uri", uri}, {"diagnostics", diagnostics}}));
    published_[uri] = std::move(diagnostics);
  };
  publish(line_uri, sources.line, description::line);
  publish(train_uri, sources.train, description::train);
}

}  // namespace scn::tool::lsp
