// The file operations of a run. Each failure throws file_error naming the
// file and the system's reason.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/byte_pieces.h"
#include "platform/input_limits.h"

namespace scn {

bool file_exists(const std::string& name);

void delete_file(const std::string& name);

// The whole file, or nothing when it does not exist. A file larger than
// the limit is refused before any of it is read.
std::optional<std::string> read_file(const std::string& name,
                                     const input_limit& limit = description_limit);

// Replaces the file with the bytes in one step, the way every writer of a
// run replaces its file: the bytes go to a new temporary file with a random
// name beside it (created exclusively, never through a link), which takes
// the old file's permission bits and is renamed over the old file only once
// completely written and closed. On any failure, an exception from the
// caller's pieces included, the temporary file is removed and the old file,
// if there was one, stays as it was; the error names the file being
// replaced.
void replace_file(const std::string& name, std::string_view bytes);

// The same, with the bytes handed out piece by piece and written as they
// come, so a large file is never held whole.
void replace_file_in_pieces(const std::string& name, const byte_pieces& pieces);

// The same, with each piece written at the offset it comes with.
void replace_file_placed(const std::string& name, const placed_pieces& pieces);

// The file handed out a chunk at a time, read from the start at every call
// of the pieces, so that it is never held whole. Throws file_error when the
// file cannot be opened or read, or has more bytes than the limit (refused
// before any piece is handed out when its size shows it).
byte_pieces file_in_pieces(const std::string& name, const input_limit& limit);

}  // namespace scn
