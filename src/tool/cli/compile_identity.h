// The identity of a compile: from the options or the file names, checked.
#pragma once

#include <string>

#include "tool/cli/options.h"

namespace scn::tool {

struct compile_identity {
  std::string line_name;
  std::string train_number;
};

// Takes --line-name / --train-number or the defaults from LINE and TRAIN;
// throws usage_error naming the unsafe name and the reason.
compile_identity identity_for(const options& o, const std::string& line_path,
                              const std::string& train_path);

}  // namespace scn::tool
