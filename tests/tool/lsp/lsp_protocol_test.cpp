// The message layer and the life cycle of the language server, fed framed
// bytes from memory.
#include <gtest/gtest.h>

#include "tool/lsp/lsp_test_client.h"
#include "tool/lsp/message_framing.h"

namespace scn::tool::lsp {
namespace {

using testing::memory_files;
using testing::test_client;

TEST(LspFraming, BodiesSurviveAnySplitOfTheBytes) {
  const std::string bytes = frame(R"({"a":1})") + frame(R"({"b":"\u00e9"})");
  for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
    frame_decoder d;
    std::vector<std::string> bodies;
    d.feed(bytes.substr(0, cut));
    while (auto f = d.next()) bodies.push_back(f->body);
    d.feed(bytes.substr(cut));
    while (auto f = d.next()) bodies.push_back(f->body);
    ASSERT_EQ(bodies, (std::vector<std::string>{R"({"a":1})", R"({"b":"\u00e9"})"})) << cut;
  }
}

TEST(LspFraming, BadHeadersAreReportedAndTheNextMessageStillArrives) {
  struct header_case {
    const char* name;
    std::string bytes;
    std::size_t errors;
  };
  const std::vector<header_case> cases = {
      {"no length", "Content-Type: x\r\n\r\n", 1},
      {"length not a number", "Content-Length: 12a\r\n\r\n", 1},
      {"negative length", "Content-Length: -5\r\n\r\n", 1},
      {"length beyond any size", "Content-Length: 99999999999999999999999\r\n\r\n", 1},
      {"oversized body skipped", "Content-Length: 40\r\n\r\n" + std::string(40, 'x'), 1},
      {"lower-case header and extra header",
       "content-length: 2\r\nContent-Type: application/vscode-jsonrpc\r\n\r\n{}", 0},
  };
  for (const auto& c : cases) {
    frame_decoder d(32);
    d.feed(c.bytes + frame("{}"));
    std::size_t errors = 0, bodies = 0;
    while (auto f = d.next()) (f->ok ? bodies : errors) += 1;
    EXPECT_EQ(errors, c.errors) << c.name;
    EXPECT_EQ(bodies, c.errors == 0 ? 2u : 1u) << c.name;
  }
}

TEST(LspFraming, AHeaderBlockWithoutEndIsDroppedOnceTooLong) {
  frame_decoder d;
  d.feed(std::string(70 * 1024, 'h'));
  const auto f = d.next();
  ASSERT_TRUE(f);
  EXPECT_FALSE(f->ok);
  d.feed(frame("{}"));
  const auto g = d.next();
  ASSERT_TRUE(g);
  EXPECT_TRUE(g->ok);
}

json error_of(const std::vector<json>& answers) {
  for (const auto& m : answers) {
    if (m.contains("error")) return m;
  }
  return json();
}

TEST(LspLifeCycle, RequestsBeforeInitializeAreRefused) {
  memory_files files;
  test_client client(files);
  const auto e = error_of(client.request("textDocument/hover", json::object()));
  EXPECT_EQ(e["error"]["code"], rpc_error::server_not_initialized);
  EXPECT_EQ(e["id"], 1);
}

TEST(LspLifeCycle, MalformedMessagesAreAnsweredAndTheServerGoesOn) {
  memory_files files;
  test_client client(files);
  client.initialize();
  struct bad_case {
    const char* name;
    std::string bytes;
    int code;  // 0: no answer expected
  };
  const std::vector<bad_case> cases = {
      {"not JSON", frame("{\"jsonrpc\": \"2.0\", "), rpc_error::parse_error},
      {"invalid UTF-8", frame("{\"jsonrpc\":\"2.0\",\"id\":1,\"method\":\"\xff\"}"),
       rpc_error::parse_error},
      {"no jsonrpc member", frame(R"({"id":7,"method":"shutdown"})"), rpc_error::invalid_request},
      {"array", frame(R"([1,2])"), rpc_error::invalid_request},
      {"method not a string", frame(R"({"jsonrpc":"2.0","id":3,"method":5})"),
       rpc_error::invalid_request},
      {"unknown method", frame(R"({"jsonrpc":"2.0","id":4,"method":"x/y"})"),
       rpc_error::method_not_found},
      {"params of the wrong type",
       frame(R"({"jsonrpc":"2.0","id":5,"method":"textDocument/hover","params":[1]})"),
       rpc_error::invalid_params},
      {"position of the wrong type",
       frame(R"({"jsonrpc":"2.0","id":6,"method":"textDocument/hover","params":)"
             R"({"textDocument":{"uri":"file:///r/A_linea.txt"},"position":{"line":-1}}})"),
       0},
      {"unknown notification", frame(R"({"jsonrpc":"2.0","method":"x/y"})"), 0},
      {"notification with bad params",
       frame(R"({"jsonrpc":"2.0","method":"textDocument/didOpen"})"), 0},
      {"framing error", "Content-Length: x\r\n\r\n", 0},
      {"nested too deep",
       frame(R"({"jsonrpc":"2.0","id":8,"method":"textDocument/hover","params":)" +
             std::string(100000, '[') + std::string(100000, ']') + "}"),
       rpc_error::parse_error},
  };
  for (const auto& c : cases) {
    const auto answers = client.send_bytes(c.bytes);
    if (c.code == 0) {
      EXPECT_TRUE(error_of(answers).is_null()) << c.name;
    } else {
      ASSERT_EQ(answers.size(), 1u) << c.name;
      EXPECT_EQ(answers[0]["error"]["code"], c.code) << c.name;
    }
    // Alive: a request still gets its answer.
    EXPECT_EQ(client.result("textDocument/documentSymbol",
                            {{"textDocument", {{"uri", "file:///nowhere/A_linea.txt"}}}}),
              json::array())
        << c.name;
  }
  EXPECT_FALSE(client.log.empty());
}

TEST(LspLifeCycle, UnknownDocumentsGetEmptyAnswers) {
  memory_files files;
  test_client client(files);
  client.initialize();
  const json where = {{"textDocument", {{"uri", "file:///r/X_1-.txt"}}},
                      {"position", {{"line", 0}, {"character", 0}}}};
  EXPECT_TRUE(client.result("textDocument/hover", where).is_null());
  EXPECT_TRUE(client.result("textDocument/signatureHelp", where).is_null());
  EXPECT_EQ(client.result("textDocument/completion", where), json::array());
  EXPECT_TRUE(client.change("file:///r/X_1-.txt", "x").empty());
}

TEST(LspLifeCycle, ShutdownThenExitEndsWithZeroAndExitAloneWithOne) {
  for (const bool shutdown : {true, false}) {
    memory_files files;
    test_client client(files);
    client.initialize();
    if (shutdown) {
      EXPECT_TRUE(client.result("shutdown", nullptr).is_null());
      const auto e = error_of(client.request("textDocument/hover", json::object()));
      EXPECT_EQ(e["error"]["code"], rpc_error::invalid_request);
    }
    EXPECT_FALSE(client.session().exit_status());
    // Bytes after "exit" are not read.
    client.send_bytes(frame(R"({"jsonrpc":"2.0","method":"exit"})") +
                      frame(R"({"jsonrpc":"2.0","id":9,"method":"shutdown"})"));
    ASSERT_TRUE(client.session().exit_status());
    EXPECT_EQ(*client.session().exit_status(), shutdown ? 0 : 1);
  }
}

}  // namespace
}  // namespace scn::tool::lsp
