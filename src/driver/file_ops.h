// The file operations of a run. Each failure throws file_error naming the
// file and the system's reason.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scn {

bool file_exists(const std::string& name);

// Opens the file for binary access, creating it empty when missing, and
// closes it again; an existing file is left untouched.
void touch_file(const std::string& name);

void delete_file(const std::string& name);

// Creates the file new and empty and writes the bytes in one piece.
void write_new_file(const std::string& name, std::string_view bytes);

// The whole file, or nothing when it does not exist.
std::optional<std::string> read_file(const std::string& name);

// Writes a file the way every writer of a run replaces its file: create when
// missing, close, delete, create anew, write, close.
void replace_file(const std::string& name, std::string_view bytes);

}  // namespace scn
