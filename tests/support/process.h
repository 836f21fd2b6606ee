// Helpers for tests that run the built programs as separate processes in a
// scratch directory of their own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace scn::test {

// A fresh directory under the system's temporary directory, removed on exit.
class scratch_dir {
 public:
  scratch_dir();
  ~scratch_dir();
  scratch_dir(const scratch_dir&) = delete;
  scratch_dir& operator=(const scratch_dir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

struct process_result {
  int exit_status = -1;
  std::string output;  // standard output
  std::string errors;  // standard error
};

// Runs a command line through the shell in `dir`.
process_result run_in(const std::filesystem::path& dir, const std::string& command);

// Copies a built program (from the build's bin directory) into `dir`, so
// that the program directory is `dir`; returns the copy's path.
std::filesystem::path install_program(const std::filesystem::path& dir, const std::string& name);

std::string read_bytes(const std::filesystem::path& file);
void write_bytes(const std::filesystem::path& file, const std::string& bytes);

// The built scenario-tool, quoted for the shell.
std::string tool();

// A folder of tests/fixtures.
std::filesystem::path fixture(const std::string& name);

// The description pair in `dir` (its NAME_linea.txt and the other file),
// each quoted for the shell, separated by a blank.
std::string pair_of(const std::filesystem::path& dir);

// A path inside the source tree: "docs/commands.md", "src".
std::filesystem::path source_path(const std::string& relative);

// Names of the regular files in `dir`, sorted.
std::vector<std::string> files_in(const std::filesystem::path& dir);

// Quotes a path for the shell.
std::string quoted(const std::filesystem::path& p);

}  // namespace scn::test
