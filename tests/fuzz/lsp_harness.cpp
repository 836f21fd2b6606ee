#include "fuzz/lsp_harness.h"

#include <map>

#include "tool/lsp/server_session.h"

namespace scn::fuzz {

namespace {

class route_files final : public tool::lsp::file_source {
 public:
  std::optional<std::string> read(const std::string& path) const override {
    const auto it = files().find(path);
    if (it == files().end()) return std::nullopt;
    return it->second;
  }
  std::vector<std::string> list(const std::string& folder) const override {
    std::vector<std::string> out;
    if (folder != "/r") return out;
    for (const auto& [path, text] : files()) out.push_back(path);
    return out;
  }

 private:
  static const std::map<std::string, std::string>& files() {
    static const std::map<std::string, std::string> f = {
        {"/r/A_linea.txt",
         "[generale]\nlunghezza percorso, 9000\n[curve]\ncurvad4, 100, 200\n"
         "pendenza, 0, 5\ncartello_indicatore, 2000, (PONTE)\n[fine]\n"},
        {"/r/A_1-.txt",
         "[generale]\nnumero vetture, 3\n[stazioni]\n"
         "stazione, 0, 8, 500, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 10, 0, 0, UNO\n"
         "segnale, 2450, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0\n[fine]\n"},
    };
    return f;
  }
};

// Every message sent must be framed and parse as a JSON-RPC 2.0 object.
std::string check_output(const std::string& out) {
  tool::lsp::frame_decoder decoder;
  decoder.feed(out);
  while (auto f = decoder.next()) {
    if (!f->ok) return "badly framed output: " + f->body;
    const auto m = tool::lsp::json::parse(f->body, nullptr, false);
    if (m.is_discarded() || !m.is_object() || m.value("jsonrpc", "") != "2.0")
      return "output is not a JSON-RPC message: " + f->body.substr(0, 200);
  }
  return {};
}

}  // namespace

std::string check_lsp_case(std::string_view bytes) {
  const route_files files;
  tool::lsp::server_session session(files, [](const std::string&) {});
  const std::size_t cut =
      bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % (bytes.size() + 1);
  std::string out = session.feed(bytes.substr(0, cut));
  out += session.feed(bytes.substr(cut));
  return check_output(out);
}

}  // namespace scn::fuzz
