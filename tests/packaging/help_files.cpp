// Helpers for the tests of the generated manual pages and completion.
#include "packaging/help_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/process.h"

namespace scn::test {

namespace fs = std::filesystem;

fs::path generated_dir() {
  return SCENARIO_PACKAGING_DIR;
}
fs::path generator_dir() {
  return SCENARIO_PACKAGING_SOURCE_DIR;
}
fs::path layout_tool() {
  return fs::path(SCENARIO_FIXTURE_DIR) / "../packaging/layout_tool.sh";
}

void run_generator(const fs::path& dir, const std::string& script,
                   const std::vector<std::string>& definitions) {
  std::string command = quoted(SCENARIO_CMAKE_COMMAND);
  for (const auto& d : definitions) command += " " + test::quoted("-D" + d);
  command += " -P " + quoted(generator_dir() / script);
  const auto r = run_in(dir, command);
  ASSERT_EQ(r.exit_status, 0) << script << ":\n" << r.output << r.errors;
}

std::vector<std::string> completions(const fs::path& dir, const fs::path& script,
                                     const std::string& line) {
  // Sets up what bash gives a completion function: the words of the line,
  // the one under the cursor (the last, empty after a space), the line.
  const fs::path driver = dir.parent_path() / (dir.filename().string() + ".complete.sh");
  write_bytes(driver,
              "source \"$1\" || exit 3\n"
              "COMP_LINE=$2\n"
              "read -ra COMP_WORDS <<<\"$COMP_LINE\"\n"
              "[[ $COMP_LINE == *' ' ]] && COMP_WORDS+=('')\n"
              "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
              "COMP_POINT=${#COMP_LINE}\n"
              "complete -p scenario-tool >/dev/null || exit 4\n"
              "_scenario_tool scenario-tool \"${COMP_WORDS[COMP_CWORD]}\" "
              "\"${COMP_WORDS[COMP_CWORD - 1]}\"\n"
              "printf '%s\\n' \"${COMPREPLY[@]}\"\n");
  const auto r = run_in(dir, "bash --norc --noprofile " + quoted(driver) + " " + quoted(script) +
                                 " " + test::quoted(line));
  fs::remove(driver);
  EXPECT_EQ(r.exit_status, 0) << line << ": " << r.errors;
  EXPECT_EQ(r.errors, "") << line;
  std::vector<std::string> words;
  std::istringstream in(r.output);
  for (std::string w; std::getline(in, w);) {
    if (!w.empty()) words.push_back(w);
  }
  std::sort(words.begin(), words.end());
  return words;
}

bool have_program(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string render_man_page(const fs::path& dir, const fs::path& page, std::string& warnings) {
  if (!have_program("man")) return "";
  const auto r =
      run_in(dir, "MANWIDTH=200 LC_ALL=C.UTF-8 man --warnings -l " + quoted(page) + " | col -bx");
  warnings = r.errors;
  return r.output;
}

}  // namespace scn::test
