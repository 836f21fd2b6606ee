// "new": a starter line and train description, named after the identity
// given, in a folder created when missing.
#include "pipeline/run_files.h"
#include "platform/file_ops.h"
#include "sources/starter_pair.h"
#include "tool/cli/commands.h"
#include "tool/cli/identity_names.h"
#include "tool/cli/input_files.h"
#include "tool/cli/options.h"

namespace scn::tool {

namespace {

std::string required(const options& o, const std::string& name, const std::string& what) {
  const auto it = o.values.find(name);
  if (it == o.values.end()) throw usage_error("new needs " + name + " " + what);
  if (const auto reason = unsafe_name_reason(it->second)) {
    throw usage_error(name.substr(2) + " \"" + it->second +
                      "\" cannot be used in file names: " + *reason);
  }
  return it->second;
}

}  // namespace

int command_new(const std::vector<std::string>& args, platform& p) {
  const auto o = parse_options(args, "new");
  const std::string line_name = required(o, "--line-name", "NAME");
  const std::string train_number = required(o, "--train-number", "NUMBER");
  const std::string& folder = o.positional[0];
  const auto files = make_run_files(folder, p.path_separator(), line_name, train_number);
  refuse_existing(files.line_description, o.has("--force"));
  refuse_existing(files.train_description, o.has("--force"));
  prepare_output_folder(folder);
  replace_file(files.line_description, starter_line_description());
  replace_file(files.train_description, starter_train_description());
  return 0;
}

}  // namespace scn::tool
