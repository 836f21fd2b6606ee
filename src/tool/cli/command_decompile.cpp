// "decompile": the two descriptions back from a scenario's binary files.
#include <cstdio>

#include "formats/binary_limits.h"
#include "pipeline/run_files.h"
#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "tool/cli/commands.h"
#include "tool/cli/identity_names.h"
#include "tool/cli/input_files.h"
#include "tool/cli/options.h"
#include "tool/cli/output_safety.h"
#include "tool/decompile/decompiler.h"

namespace scn::tool {

namespace {

// A file larger than the compiler can write is refused unread.
std::string read_whole(const std::string& name, const input_limit& limit) {
  auto bytes = read_file(name, limit);
  if (!bytes) throw file_error(name, "read", "No such file");
  return std::move(*bytes);
}

// Exit statuses: 0 the descriptions compile back to the same bytes, 1 a file
// is missing or damaged, 2 some of the content cannot be expressed.
constexpr int exit_damaged = 1;
constexpr int exit_inexpressible = 2;

int report_findings(const decompile::decompiled& d) {
  for (const auto& f : d.findings)
    std::fprintf(stderr, "scenario-tool decompile: %s: %s\n", f.where.c_str(), f.what.c_str());
  return d.findings.empty() ? 0 : exit_inexpressible;
}

// Why the line name or train number of the item file cannot name a file.
std::optional<std::string> unusable_identity(const std::string& name) {
  if (auto reason = unsafe_name_reason(name)) return reason;
  return device_name_reason(name);
}

}  // namespace

int command_decompile(const std::vector<std::string>& args, platform& p) {
  const auto o = parse_options(args, "decompile");
  const std::string out = o.value_or("--out", ".");
  require_output_named(out);
  check_output_folder(out);
  decompile::binary_files files;
  files.cells = read_whole(o.positional[0], {max_cell_file_bytes, "a cell file"});
  files.items = read_whole(o.positional[1], {max_item_file_bytes, "an item file"});
  if (o.positional.size() == 3)
    files.plan = read_whole(o.positional[2], {max_plan_file_bytes, "a plan file"});
  decompile::decompiled d;
  try {
    d = decompile::decompile(files);
  } catch (const decompile::damaged_file& e) {
    const std::string& name = e.which() == "cell"   ? o.positional[0]
                              : e.which() == "item" ? o.positional[1]
                                                    : o.positional[2];
    std::fprintf(stderr, "scenario-tool: %s: not a valid %s file %s\n", name.c_str(),
                 e.which().c_str(), e.what());
    return exit_damaged;
  }
  for (const auto* name : {&d.line_name, &d.train_number}) {
    if (const auto reason = unusable_identity(*name)) {
      std::fprintf(stderr,
                   "scenario-tool decompile: %s: identity \"%s\" cannot be used in file names: "
                   "%s; nothing written\n",
                   name == &d.line_name ? "item row 85" : "item row 86", name->c_str(),
                   reason->c_str());
      return exit_inexpressible;
    }
  }
  const auto names = make_run_files(out, p.path_separator(), d.line_name, d.train_number);
  require_output_names_usable({names.line_description, names.train_description},
                              "from the line name and the train number of the item file");
  require_outputs_apart_from_inputs({names.line_description, names.train_description},
                                    o.positional);
  refuse_existing(names.line_description, o.has("--force"));
  refuse_existing(names.train_description, o.has("--force"));
  prepare_output_folder(out);
  replace_file(names.line_description, d.line_text);
  replace_file(names.train_description, d.train_text);
  return report_findings(d);
}

}  // namespace scn::tool
