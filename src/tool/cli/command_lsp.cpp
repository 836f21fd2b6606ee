// "lsp": the language server on standard input and output.
#include "tool/cli/commands.h"
#include "tool/cli/options.h"
#include "tool/lsp/server_session.h"

namespace scn::tool {

int command_lsp(const std::vector<std::string>& args, platform&) {
  // Editors commonly pass "--stdio"; it is the only transport.
  parse_options(args, "lsp");
  const lsp::disk_files files;
  return lsp::serve_stdio(files);
}

}  // namespace scn::tool
