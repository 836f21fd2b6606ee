// The line name and train number of a compile: defaults taken from the
// description file names, and the check that makes them safe file names.
#pragma once

#include <optional>
#include <string>

namespace scn::tool {

// Base name of a path (after the last '/' or '\').
std::string base_name(const std::string& path);

// LINE's file name without "_linea.txt" (without its extension when the
// name does not end so).
std::string default_line_name(const std::string& line_path);

// TRAIN's file name without the leading "<line name>_" and the trailing "-.txt".
std::string default_train_number(const std::string& train_path, const std::string& line_name);

// Why a name cannot become part of a file name, or nothing when it can:
// empty, a path separator, "..", a control character, or a character
// Windows forbids in file names. Every other byte is kept as given.
std::optional<std::string> unsafe_name_reason(const std::string& name);

}  // namespace scn::tool
