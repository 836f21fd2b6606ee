// Scratch directories and process runs for the process-boundary tests.
#include "support/process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace scn::test {

namespace fs = std::filesystem;

scratch_dir::scratch_dir() {
  static std::atomic<int> counter{0};
  path_ = fs::temp_directory_path() /
          ("scenario-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

scratch_dir::~scratch_dir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string quoted(const fs::path& p) {
  std::string out = "'";
  for (char c : p.string()) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string read_bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void write_bytes(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

process_result run_in(const fs::path& dir, const std::string& command) {
  const fs::path out = dir.parent_path() / (dir.filename().string() + ".stdout");
  const fs::path err = dir.parent_path() / (dir.filename().string() + ".stderr");
  const std::string line =
      "cd " + quoted(dir) + " && " + command + " >" + quoted(out) + " 2>" + quoted(err);
  const int raw = std::system(line.c_str());
  process_result r;
  r.exit_status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.output = read_bytes(out);
  r.errors = read_bytes(err);
  fs::remove(out);
  fs::remove(err);
  return r;
}

fs::path install_program(const fs::path& dir, const std::string& name) {
  const fs::path target = dir / name;
  fs::copy_file(fs::path(SCENARIO_BIN_DIR) / name, target, fs::copy_options::overwrite_existing);
  return target;
}

std::string tool() {
  return quoted(fs::path(SCENARIO_BIN_DIR) / "scenario-tool");
}

fs::path fixture(const std::string& name) {
  return fs::path(SCENARIO_FIXTURE_DIR) / name;
}

std::string pair_of(const fs::path& dir) {
  std::string line, train;
  for (const auto& f : files_in(dir))
    (f.size() > 10 && f.ends_with("_linea.txt") ? line : train) = f;
  return quoted(dir / line) + " " + quoted(dir / train);
}

fs::path source_path(const std::string& relative) {
  return fs::path(SCENARIO_FIXTURE_DIR) / ".." / ".." / relative;
}

std::vector<std::string> files_in(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) {
    if (e.is_regular_file()) names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace scn::test
