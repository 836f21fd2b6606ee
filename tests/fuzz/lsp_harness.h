// The language server's message layer as a fuzz case: the bytes of one
// input are fed to a server session over a small pair of descriptions, in
// two pieces, and everything the server sends back must be well framed
// JSON-RPC. Shared by the libFuzzer target and the test binary's replay.
#pragma once

#include <string>
#include <string_view>

namespace scn::fuzz {

// An empty string when every invariant holds, else what broke.
std::string check_lsp_case(std::string_view bytes);

}  // namespace scn::fuzz
