// Which files compile together. A line description is named
// "<line>_linea.txt"; its train descriptions stand beside it as
// "<line>_<train>-.txt". A train description is paired with its line, a
// line description with the train descriptions open in the editor, or else
// with the first one on disk.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tool/lsp/document_store.h"

namespace scn::tool::lsp {

enum class description_role { line, train, other };

description_role role_of(const std::string& path);

struct description_pair {
  std::string line_path;   // empty: no line description found
  std::string train_path;  // empty: no train description found
  std::string line_name;
  std::string train_number;
};

// The line description a train description compiles with. Where the name
// leaves the line name open ("A_B_1-.txt"), the longest line name whose
// line description exists wins.
description_pair pair_for_train(const std::string& train_path, const document_store& docs);

// The pairs a line description compiles in: one per open train
// description, or one with the first train on disk, or one without a train.
std::vector<description_pair> pairs_for_line(const std::string& line_path,
                                             const document_store& docs);

}  // namespace scn::tool::lsp
