// "lsp": the language server on standard input and output.
#include "tool/commands.h"
#include "tool/lsp/server_session.h"
#include "tool/options.h"

namespace scn::tool {

int command_lsp(const std::vector<std::string>& args, platform&) {
  // Editors commonly pass "--stdio"; it is the only transport.
  parse_options(args, {{"--stdio"}, {}, 0, 0});
  const lsp::disk_files files;
  return lsp::serve_stdio(files);
}

}  // namespace scn::tool
