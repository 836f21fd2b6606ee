// Choosing and checking the identity of a compile.
#include "tool/cli/compile_identity.h"

#include "tool/cli/identity_names.h"
#include "tool/cli/output_safety.h"

namespace scn::tool {

namespace {

void require_safe(const std::string& what, const std::string& name) {
  if (const auto reason = unsafe_name_reason(name)) {
    throw usage_error(what + " \"" + name + "\" cannot be used in file names: " + *reason);
  }
  if (const auto reason = device_name_reason(name)) {
    throw usage_error(what + " \"" + name + "\" cannot be used in file names: " + *reason);
  }
}

}  // namespace

compile_identity identity_for(const options& o, const std::string& line_path,
                              const std::string& train_path) {
  compile_identity id;
  id.line_name = o.value_or("--line-name", default_line_name(line_path));
  id.train_number = o.value_or("--train-number", default_train_number(train_path, id.line_name));
  require_safe("line name", id.line_name);
  require_safe("train number", id.train_number);
  return id;
}

}  // namespace scn::tool
