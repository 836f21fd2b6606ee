// Entry point of the authoring tool.
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/program_guard.h"
#include "tool/cli/commands.h"

int main(int argc, char** argv) {
  return scn::run_guarded("scenario-tool", [argc, argv] {
    auto p = scn::make_platform();
    return scn::tool::run_tool(std::vector<std::string>(argv, argv + argc), *p);
  });
}
