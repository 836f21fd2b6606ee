// The text of the two description files from the recovered records.
#pragma once

#include <string>

#include "tool/decompile/descriptions.h"

namespace scn::tool::decompile {

// "[generale]" to "[fine]", every line ended by CR LF.
std::string write_line_description(const line_description& d);
std::string write_train_description(const train_description& d);

}  // namespace scn::tool::decompile
