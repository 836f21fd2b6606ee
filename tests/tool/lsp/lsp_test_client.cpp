#include "tool/lsp/lsp_test_client.h"

#include <gtest/gtest.h>

namespace scn::tool::lsp::testing {

std::vector<json> parse_frames(const std::string& bytes) {
  frame_decoder decoder;
  decoder.feed(bytes);
  std::vector<json> out;
  while (auto f = decoder.next()) {
    EXPECT_TRUE(f->ok) << f->body;
    out.push_back(json::parse(f->body));
  }
  return out;
}

json test_client::result(const std::string& method, json params) {
  const auto answers = request(method, std::move(params));
  for (const auto& m : answers) {
    if (m.contains("id") && m["id"] == id_) {
      EXPECT_TRUE(m.contains("result")) << m.dump();
      return m.value("result", json());
    }
  }
  ADD_FAILURE() << method << " was not answered";
  return json();
}

void test_client::initialize(bool snippets) {
  json caps = json::object();
  if (snippets)
    caps = {{"textDocument", {{"completion", {{"completionItem", {{"snippetSupport", true}}}}}}}};
  const auto r = result("initialize", {{"processId", nullptr}, {"capabilities", caps}});
  ASSERT_TRUE(r.contains("capabilities"));
  notify("initialized", json::object());
}

std::vector<json> test_client::open(const std::string& uri, const std::string& text) {
  return notify("textDocument/didOpen",
                {{"textDocument",
                  {{"uri", uri}, {"languageId", "plaintext"}, {"version", 1}, {"text", text}}}});
}

std::vector<json> test_client::change(const std::string& uri, const std::string& text) {
  return notify("textDocument/didChange",
                {{"textDocument", {{"uri", uri}, {"version", ++version_}}},
                 {"contentChanges", json::array({{{"text", text}}})}});
}

json published(const std::vector<json>& messages, const std::string& uri) {
  json found;
  for (const auto& m : messages) {
    if (m.value("method", "") == "textDocument/publishDiagnostics" && m["params"]["uri"] == uri)
      found = m["params"]["diagnostics"];
  }
  return found;
}

}  // namespace scn::tool::lsp::testing
