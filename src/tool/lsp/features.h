// The editor features over one document's text. Each takes the text as the
// editor holds it and whether it is a line description (else a train
// description), and returns the protocol's result (null when nothing applies).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tool/lsp/json_rpc.h"
#include "tool/lsp/pair_diagnostics.h"
#include "tool/lsp/text_positions.h"

namespace scn::tool::lsp {

struct document_view {
  std::string_view text;
  bool line_description = false;
};

json hover(const document_view& doc, const text_point& at);
json completion(const document_view& doc, const text_point& at, bool snippets);
json signature_help(const document_view& doc, const text_point& at);
json document_symbols(const document_view& doc);
// Edits that align the records of each run of one kind in columns.
json formatting(const document_view& doc);
// Quick fixes for the lines of `range`; `diagnostics` are the client's, the
// fixes that answer one name it. `published` are the diagnostics the server
// last published for the document: the keyword meant comes from check's
// finding there, whether or not the client sends its diagnostics back.
json code_actions(const document_view& doc, const std::string& uri, const json& range,
                  const json& diagnostics, const json& published);

// The diagnostics of one file of a pair, from the pair's findings.
// `line_uri` and `train_uri` locate the related places.
json diagnostics_for(const document_view& doc, description file,
                     const std::vector<pair_finding>& findings, const std::string& line_uri,
                     const std::string& train_uri);

// "km 12+050".
std::string kilometre(std::int64_t metres);

}  // namespace scn::tool::lsp
