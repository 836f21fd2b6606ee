// The checks of a command's outputs before anything is written.
#include "tool/cli/output_safety.h"

#include <algorithm>
#include <cctype>

#include "platform/file_error.h"
#include "platform/file_identity.h"
#include "platform/file_name_limit.h"
#include "platform/path_parts.h"
#include "tool/cli/options.h"

namespace scn::tool {

namespace {

std::string folded(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool is_device_stem(const std::string& stem) {
  const std::string s = folded(stem);
  if (s == "con" || s == "prn" || s == "aux" || s == "nul") return true;
  return s.size() == 4 && (s.compare(0, 3, "com") == 0 || s.compare(0, 3, "lpt") == 0) &&
         s[3] >= '1' && s[3] <= '9';
}

}  // namespace

void require_output_named(const std::string& out) {
  if (out.empty()) throw usage_error("--out needs a name; an empty one is refused");
}

void require_outputs_apart_from_inputs(const std::vector<std::string>& outputs,
                                       const std::vector<std::string>& inputs) {
  for (const auto& out : outputs) {
    const auto written = identify_file(out);
    if (!written) continue;
    for (const auto& in : inputs) {
      if (identify_file(in) == written) {
        throw file_error(out, "write", "it is the input " + in + ", which would be destroyed");
      }
    }
  }
}

void require_standard_output_apart_from_inputs(const std::vector<std::string>& inputs) {
  const auto written = identify_standard_output();
  if (!written) return;
  for (const auto& in : inputs) {
    if (identify_file(in) == written) {
      throw file_error("standard output", "write", "it is the input " + in);
    }
  }
}

void require_output_names_usable(const std::vector<std::string>& outputs, const std::string& why) {
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const path_parts parts = split_path(outputs[i]);
    const std::size_t limit = longest_file_name(parts.directory);
    if (parts.name.size() > limit) {
      throw usage_error("the file name " + parts.name + " would be " +
                        std::to_string(parts.name.size()) + " bytes long (" + why +
                        "), more than the " + std::to_string(limit) + " the folder accepts");
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (folded(outputs[j]) == folded(outputs[i])) {
        throw usage_error("two outputs would get the same name (" + why + "): " + outputs[j] +
                          " and " + outputs[i]);
      }
    }
  }
}

void require_compile_outputs_safe(const run_files& names, bool plan,
                                  const std::vector<std::string>& inputs) {
  std::vector<std::string> outputs;
  if (plan) outputs.push_back(names.plan);
  outputs.push_back(names.items);
  outputs.push_back(names.cells);
  require_output_names_usable(outputs, "from the line name and the train number");
  require_outputs_apart_from_inputs(outputs, inputs);
}

std::optional<std::string> device_name_reason(const std::string& name) {
  // Windows looks at the name before its first dot, trailing blanks aside.
  std::string stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  if (!is_device_stem(stem)) return std::nullopt;
  return "Windows reserves " + stem + " for a device";
}

}  // namespace scn::tool
