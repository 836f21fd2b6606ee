// Inputs and output folders of the tool's commands, checked before anything
// is written: a file that cannot be used is an error naming the file and the
// system's reason (file_error), never a status of the compile.
#pragma once

#include <string>

#include "platform/input_limits.h"

namespace scn::tool {

// The whole content of a regular file; throws file_error when it is
// missing, not a regular file, unreadable or larger than the limit.
std::string read_input(const std::string& name, const input_limit& limit = description_limit);

// Throws as read_input does, without keeping the content.
void require_input(const std::string& name);

// Makes sure `folder` is a folder, creating it with its parents when it is
// missing; throws file_error as check_output_folder does, or when creating
// it fails.
void prepare_output_folder(const std::string& folder);

// Throws file_error when files could not be written into `folder`: the name
// is empty, the name (or the nearest part of its path that exists) is taken
// by something that is not a folder, or the system refuses writing there.
// Creates nothing.
void check_output_folder(const std::string& folder);

// Throws file_error when `name` exists (as anything), unless `force`.
void refuse_existing(const std::string& name, bool force);

}  // namespace scn::tool
