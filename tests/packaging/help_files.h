// Helpers for the tests of the files made from the programs' help: the
// generated manual pages and bash completion, and the generator scripts run
// on a stand-in tool.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace scn::test {

// The folder of the files generated at build time.
std::filesystem::path generated_dir();
// The source folder of the generator scripts.
std::filesystem::path generator_dir();
// The stand-in tool whose help is laid out by an option-parsing library.
std::filesystem::path layout_tool();

// Runs one generator script with -D definitions; fails the test on error.
void run_generator(const std::filesystem::path& dir, const std::string& script,
                   const std::vector<std::string>& definitions);

// The completions bash offers with `script` loaded for the command line
// `line` (completing its last word), run in `dir`; sorted.
std::vector<std::string> completions(const std::filesystem::path& dir,
                                     const std::filesystem::path& script, const std::string& line);

// What man renders for a page, without line wrapping, run in `dir`; empty
// when man is missing. Warnings of the formatter go to `warnings`.
std::string render_man_page(const std::filesystem::path& dir, const std::filesystem::path& page,
                            std::string& warnings);

bool have_program(const std::string& name);

}  // namespace scn::test
