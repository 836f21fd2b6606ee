// Sorting incoming JSON-RPC messages and building outgoing ones.
#include "tool/lsp/json_rpc.h"

#include <algorithm>

namespace scn::tool::lsp {

incoming classify_message(const json& message) {
  incoming in;
  if (!message.is_object()) return in;
  const auto version = message.find("jsonrpc");
  if (version == message.end() || *version != "2.0") return in;
  const auto id = message.find("id");
  if (id != message.end()) {
    if (!id->is_number_integer() && !id->is_string() && !id->is_null()) return in;
    in.id = *id;
  }
  const auto method = message.find("method");
  if (method == message.end()) {
    if (id != message.end() && (message.contains("result") || message.contains("error")))
      in.kind = message_kind::response;
    return in;
  }
  if (!method->is_string()) return in;
  in.method = method->get<std::string>();
  if (const auto p = message.find("params"); p != message.end()) in.params = *p;
  in.kind =
      id != message.end() && !id->is_null() ? message_kind::request : message_kind::notification;
  return in;
}

json response(const json& id, json result) {
  return {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}};
}

json error_response(const json& id, int code, const std::string& message) {
  return {{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}};
}

json notification(const std::string& method, json params) {
  return {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

std::size_t nesting_depth(std::string_view text) {
  std::size_t depth = 0, deepest = 0;
  bool in_string = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (in_string) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        in_string = false;
      }
    } else if (c == '"') {
      in_string = true;
    } else if (c == '[' || c == '{') {
      deepest = std::max(deepest, ++depth);
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return deepest;
}

std::string serialise(const json& message) {
  return message.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace scn::tool::lsp
