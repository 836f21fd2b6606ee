// Reduction marks of the records, apart from those of the marker pass.
#pragma once

#include <string>

#include "tool/decompile/recovery.h"

namespace scn::tool::decompile {

// Adds to `t` an "abbattimento" record for every mark of the cells that the
// marker pass does not put there itself, compiling `line_text` with the
// train description as recovered so far to find out.
void recover_reduction_marks(const recovery& r, const std::string& line_name,
                             const std::string& train_number, const std::string& line_text,
                             train_description& t);

}  // namespace scn::tool::decompile
