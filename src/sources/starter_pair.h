// The starter scenario that authors begin from: a short line and one train
// over it, every kind of record present once or a few times, each section
// opened by a comment line, for an author to edit.
#pragma once

#include <string>

namespace scn {

// The line description as written: Windows-1252 text, CR LF after every line.
std::string starter_line_description();

// The train description as written.
std::string starter_train_description();

}  // namespace scn
