// The file operations of a run. Each failure throws file_error naming the
// file and the system's reason.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/byte_pieces.h"

namespace scn {

bool file_exists(const std::string& name);

void delete_file(const std::string& name);

// Creates the file new and empty and writes the bytes in one piece.
void write_new_file(const std::string& name, std::string_view bytes);

// The whole file, or nothing when it does not exist.
std::optional<std::string> read_file(const std::string& name);

// Replaces the file with the bytes in one step, the way every writer of a
// run replaces its file: the bytes go to a temporary file beside it (same
// directory, the name followed by ".tmp" and the process id), which is
// renamed over the old file only once completely written and closed. On a
// failure the temporary file is removed and the old file, if there was one,
// stays as it was; the error names the file being replaced.
void replace_file(const std::string& name, std::string_view bytes);

// The same, with the bytes handed out piece by piece and written as they
// come, so a large file is never held whole.
void replace_file_in_pieces(const std::string& name, const byte_pieces& pieces);

}  // namespace scn
