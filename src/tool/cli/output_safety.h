// Checks made before a command writes anything: that no output is one of
// its inputs, that the names of its outputs are distinct and short enough
// for the folder, that an output folder was named, and that an identity is
// no device name on Windows. Each throws (usage_error or file_error) with
// a message naming the cause.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pipeline/run_files.h"

namespace scn::tool {

// Refuses an empty --out (it would put the files in the root folder).
void require_output_named(const std::string& out);

// Refuses an output that is the same file as an input, by any name (links
// and hard links included): the command would destroy what it reads.
void require_outputs_apart_from_inputs(const std::vector<std::string>& outputs,
                                       const std::vector<std::string>& inputs);

// Refuses a run whose standard output is one of its input files.
void require_standard_output_apart_from_inputs(const std::vector<std::string>& inputs);

// Refuses outputs whose names would be equal (letter case aside, as Windows
// compares them), or longer than the folder accepts; `why` says where the
// names come from ("from the line name and the train number").
void require_output_names_usable(const std::vector<std::string>& outputs, const std::string& why);

// The checks of compile's outputs (the plan file only when it is written):
// distinct usable names, none of them one of the two descriptions.
void require_compile_outputs_safe(const run_files& names, bool plan,
                                  const std::vector<std::string>& inputs);

// Why a name cannot begin a file name because Windows would take the file
// for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, in any
// letter case, alone or before an extension), or nothing.
std::optional<std::string> device_name_reason(const std::string& name);

}  // namespace scn::tool
