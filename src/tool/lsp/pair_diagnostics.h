// The findings of a compile of one line and one train description, for the
// editor. This is the one place where the language server meets the
// diagnostics engine of "check"; everything else works on these structs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "compiler/description_files.h"
#include "compiler/input_failure.h"

namespace scn::tool::lsp {

struct pair_sources {
  std::string line_name;
  std::string train_number;
  std::optional<std::string> line;   // nothing: the file does not exist
  std::optional<std::string> train;  // nothing: compile the line alone
};

struct related_place {
  description file = description::line;
  field_location where;
  std::string message;
};

struct pair_finding {
  description file = description::line;
  field_location where;  // line 0: the whole file
  bool error = true;
  std::string code;  // "status-8", "unknown-keyword", ...
  std::string message;
  std::string suggestion;  // the keyword meant, for "unknown-keyword"
  std::vector<related_place> related;
};

// Compiles the pair in memory, writing nothing, and lists what check finds.
// Without a train description the train half's complaints about the
// missing file are left out.
std::vector<pair_finding> diagnose_pair(const pair_sources& sources);

}  // namespace scn::tool::lsp
