// "decompile": the two descriptions back from a scenario's binary files.
#include <cstdio>

#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "pipeline/run_files.h"
#include "tool/cli/commands.h"
#include "tool/decompile/decompiler.h"
#include "tool/cli/identity_names.h"
#include "tool/cli/options.h"

namespace scn::tool {

namespace {

std::string read_whole(const std::string& name) {
  auto bytes = read_file(name);
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

}  // namespace

int command_decompile(const std::vector<std::string>& args, platform& p) {
  const auto o = parse_options(args, {{}, {"--out"}, 2, 3});
  decompile::binary_files files;
  files.cells = read_whole(o.positional[0]);
  files.items = read_whole(o.positional[1]);
  if (o.positional.size() == 3) files.plan = read_whole(o.positional[2]);
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
    if (const auto reason = unsafe_name_reason(*name)) {
      std::fprintf(stderr,
                   "scenario-tool decompile: %s: identity \"%s\" cannot be used in file names: "
                   "%s; nothing written\n",
                   name == &d.line_name ? "item row 85" : "item row 86", name->c_str(),
                   reason->c_str());
      return exit_inexpressible;
    }
  }
  const auto names =
      make_run_files(o.value_or("--out", "."), p.path_separator(), d.line_name, d.train_number);
  replace_file(names.line_description, d.line_text);
  replace_file(names.train_description, d.train_text);
  return report_findings(d);
}

}  // namespace scn::tool
