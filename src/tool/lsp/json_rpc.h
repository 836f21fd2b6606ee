// JSON-RPC 2.0 as the language server speaks it: what kind of message a
// parsed body is, and the responses and notifications it sends.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace scn::tool::lsp {

using json = nlohmann::json;

namespace rpc_error {
constexpr int parse_error = -32700;
constexpr int invalid_request = -32600;
constexpr int method_not_found = -32601;
constexpr int invalid_params = -32602;
constexpr int internal_error = -32603;
constexpr int server_not_initialized = -32002;
constexpr int request_cancelled = -32800;
}  // namespace rpc_error

enum class message_kind { request, notification, response, invalid };

struct incoming {
  message_kind kind = message_kind::invalid;
  json id;  // null unless a request (or a response)
  std::string method;
  json params;  // null when absent
};

// Sorts a parsed body; an object without "jsonrpc": "2.0", with a method
// that is not a string or an id that is neither a number nor a string is
// invalid.
incoming classify_message(const json& message);

json response(const json& id, json result);
json error_response(const json& id, int code, const std::string& message);
json notification(const std::string& method, json params);

// How deeply arrays and objects nest in a JSON text (strings skipped). The
// server refuses bodies nested deeper than any protocol message is, before
// parsing: copying such a value would recurse once per level.
std::size_t nesting_depth(std::string_view text);
constexpr std::size_t max_nesting = 128;

// The text of a message as it goes out; bytes that are not UTF-8 in a
// string are replaced rather than refused.
std::string serialise(const json& message);

}  // namespace scn::tool::lsp
