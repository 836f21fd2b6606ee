// Compiling descriptions in memory into the bytes of the three binary files,
// and comparing them with the files they should reproduce.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "pipeline/memory_compile.h"

namespace scn::tool::decompile {

using binary_files = binary_file_bytes;  // the plan only when compiled with it

struct compiled {
  binary_files files;
  std::string fatal_error;  // "1250" / "1251" when the stamping refused
  std::int32_t status_code = 0;
  std::int32_t status_position = 0;
};

// The finishing procedure over the two texts, with the plan or without.
compiled compile_descriptions(const std::string& line_name, const std::string& train_number,
                              const std::string& line_text, const std::string& train_text,
                              bool with_plan);

// Where the compiled files first differ from the expected ones ("cell 12,
// byte 3", "item row 85", "plan file byte 100"), or nothing when every file
// is identical. The plan is compared only when both have one.
std::optional<std::string> first_difference(const binary_files& expected,
                                            const binary_files& actual);

}  // namespace scn::tool::decompile
