// The fault tests' shared steps.
#include "robustness/fault_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "support/process.h"

namespace scn::test {

namespace fs = std::filesystem;

std::vector<std::string> binary_names() {
  return {plan_name, item_name, cell_name};
}

std::vector<std::string> product_names() {
  auto names = binary_names();
  for (const char* doc : {"_note.txt", "_rallentamenti.txt", "_scheda_treno.txt"})
    names.push_back(std::string("BORGOLAGO-CIMAPASSO_51827") + doc);
  return names;
}

namespace {

std::string old_bytes(const std::string& name) {
  return "old " + name + "\r\n";
}

}  // namespace

void plant_old_files(const fs::path& dir, const std::vector<std::string>& names) {
  for (const auto& name : names) write_bytes(dir / name, old_bytes(name));
}

void expect_old_files(const fs::path& dir, const std::vector<std::string>& names) {
  for (const auto& name : names) {
    EXPECT_TRUE(fs::is_regular_file(dir / name)) << name << " is gone";
    EXPECT_EQ(read_bytes(dir / name), old_bytes(name)) << name << " was changed";
  }
}

std::vector<std::string> temporaries_in(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name.find(".tmp") != std::string::npos) names.push_back(name);
  }
  return names;
}

bool lock_directory(const fs::path& dir) {
  const std::string lock =
      ::geteuid() == 0 ? "chattr +i " + quoted(dir) + " 2>/dev/null" : "chmod a-w " + quoted(dir);
  return std::system(lock.c_str()) == 0;
}

void unlock_directory(const fs::path& dir) {
  const std::string unlock =
      ::geteuid() == 0 ? "chattr -i " + quoted(dir) + " 2>/dev/null" : "chmod u+w " + quoted(dir);
  EXPECT_EQ(std::system(unlock.c_str()), 0);
}

bool unprivileged_prefix(std::string& prefix) {
  prefix.clear();
  if (::geteuid() != 0) return true;
  if (std::system("command -v setpriv >/dev/null 2>&1") != 0) return false;
  prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
  return true;
}

}  // namespace scn::test
