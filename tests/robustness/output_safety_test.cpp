// The authoring tool as an attacker or a careless script would call it:
// links planted at the output names, an output that is one of the inputs,
// an empty --out, identities that Windows takes for devices or that give two
// outputs one name, names too long for the folder, inputs far larger than
// any real one, and a standard output that cannot be written. Each refusal
// is exit status 1 with a message, before anything is written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "formats/plan_file.h"
#include "model/track_plan.h"
#include "robustness/fault_support.h"
#include "support/process.h"

namespace scn {
namespace {

namespace fs = std::filesystem;

// An address-space limit for the programs run by a test; none under
// AddressSanitizer, whose shadow memory alone is far larger.
std::string memory_limit(int megabytes) {
#if defined(__SANITIZE_ADDRESS__)
  static_cast<void>(megabytes);
  return "";
#else
  return "ulimit -v " + std::to_string(megabytes * 1000) + "; ";
#endif
}

constexpr const char* line_file = "L_linea.txt";
constexpr const char* train_file = "L_1-.txt";

// The embedded scenario's descriptions as L_linea.txt and L_1-.txt, and an
// output folder.
void write_sources(const fs::path& dir) {
  const auto r = test::run_in(dir, test::tool() + " sources --out .");
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  fs::rename(dir / test::line_description_name, dir / line_file);
  fs::rename(dir / test::train_description_name, dir / train_file);
  fs::create_directory(dir / "out");
}

std::string compile(const std::string& extra = "--out out") {
  return test::tool() + " compile " + line_file + " " + train_file + " " + extra;
}

struct refusal_case {
  const char* what;
  std::string prepare;  // shell steps before the files are counted
  std::string command;
  std::string message;  // a part of the one-line message
};

std::vector<refusal_case> refusal_cases() {
  const std::string long_name(250, 'x');
  return {
      {"cell file named as the train description", "cp L_1-.txt L_1.dat",
       test::tool() + " compile L_linea.txt L_1.dat --out .", "is the input L_1.dat"},
      {"plot over the line description", "",
       test::tool() + " plot " + line_file + " " + train_file + " --out " + line_file,
       "is the input L_linea.txt"},
      {"plot over a hard link to the train description", "ln L_1-.txt out/link.svg",
       test::tool() + " plot " + line_file + " " + train_file + " --out out/link.svg",
       "is the input L_1-.txt"},
      {"compile with an empty --out", "", compile("--out ''"), "--out needs a name"},
      {"sources with an empty --out", "", test::tool() + " sources --out ''", "--out needs a name"},
      {"line name CON", "", compile("--out out --line-name CON"), "Windows reserves CON"},
      {"line name com1.x", "", compile("--out out --line-name com1.x"), "Windows reserves com1"},
      {"train number Lpt9", "", compile("--out out --train-number Lpt9"), "Windows reserves Lpt9"},
      {"train number nul.txt", "", compile("--out out --train-number nul.txt"),
       "Windows reserves nul"},
      {"train number linea: the cell file takes the plan file's name", "",
       compile("--out out --train-number linea"), "two outputs would get the same name"},
      {"train number LINEA: the same name for Windows", "",
       compile("--out out --train-number LINEA"), "two outputs would get the same name"},
      {"line name too long for the folder", "", compile("--out out --line-name " + long_name),
       "bytes long"},
  };
}

TEST(OutputSafety, RefusalsComeBeforeAnythingIsWritten) {
  for (const auto& c : refusal_cases()) {
    SCOPED_TRACE(c.what);
    test::scratch_dir dir;
    write_sources(dir.path());
    if (!c.prepare.empty()) {
      ASSERT_EQ(test::run_in(dir.path(), c.prepare).exit_status, 0);
    }
    const std::string line_bytes = test::read_bytes(dir / line_file);
    const std::string train_bytes = test::read_bytes(dir / train_file);
    const auto before = test::files_in(dir.path());
    const auto r = test::run_in(dir.path(), c.command);
    EXPECT_EQ(r.exit_status, 1) << r.errors;
    EXPECT_NE(r.errors.find(c.message), std::string::npos) << r.errors;
    EXPECT_EQ(test::read_bytes(dir / line_file), line_bytes);
    EXPECT_EQ(test::read_bytes(dir / train_file), train_bytes);
    EXPECT_EQ(test::files_in(dir.path()), before);
    for (const auto& name : test::files_in(dir / "out")) EXPECT_EQ(name, "link.svg");
  }
}

// The longest line name whose files still fit is accepted: the temporary
// names never make a name too long.
TEST(OutputSafety, ANameThatFitsIsNotRefusedForItsTemporary) {
  test::scratch_dir dir;
  write_sources(dir.path());
  const std::string name(245, 'x');  // "_linea.dat" brings it to 255
  const auto r = test::run_in(dir.path(), compile("--out out --line-name " + name));
  EXPECT_EQ(r.exit_status, 0) << r.errors;
  EXPECT_TRUE(fs::is_regular_file(dir / "out" / (name + "_linea.dat")));
}

// Links planted at every output name, and at names a predictable temporary
// would take, change nothing outside the folder: each output replaces its
// link with a regular file, and the files the links pointed at keep their
// bytes.
TEST(OutputSafety, PlantedLinksChangeNothingOutside) {
  test::scratch_dir dir;
  write_sources(dir.path());
  fs::create_directory(dir / "outside");
  for (const std::string name : {"L_linea.dat", "L_1.sim", "L_1.dat"}) {
    test::write_bytes(dir / "outside" / name, "precious\n");
    fs::create_symlink(dir / "outside" / name, dir / "out" / name);
    for (const std::string tail : {".tmp", ".tmp1", ".tmp4242"}) {
      fs::create_symlink(dir / "outside" / name, dir / "out" / (name + tail));
    }
  }
  const auto r = test::run_in(dir.path(), compile());
  ASSERT_EQ(r.exit_status, 0) << r.errors;
  for (const std::string name : {"L_linea.dat", "L_1.sim", "L_1.dat"}) {
    EXPECT_EQ(test::read_bytes(dir / "outside" / name), "precious\n") << name;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / "out" / name))) << name;
    EXPECT_GT(fs::file_size(dir / "out" / name), 100u) << name;
  }
}

TEST(OutputSafety, AReplacedFileKeepsItsPermissionBits) {
  test::scratch_dir dir;
  write_sources(dir.path());
  test::write_bytes(dir / "out" / "L_1.sim", "old\n");
  fs::permissions(dir / "out" / "L_1.sim", fs::perms::owner_read | fs::perms::group_read);
  ASSERT_EQ(test::run_in(dir.path(), compile()).exit_status, 0);
  const auto perms = fs::status(dir / "out" / "L_1.sim").permissions();
  EXPECT_EQ(perms, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_NE(test::read_bytes(dir / "out" / "L_1.sim"), "old\n");
}

// A huge sparse file of each kind is refused from its size, at once and
// without reading it.
TEST(OutputSafety, HugeInputsAreRefusedUnread) {
  test::scratch_dir dir;
  write_sources(dir.path());
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"big_linea.dat", test::tool() + " dump big_linea.dat --format json"},
      {"big.sim", test::tool() + " dump big.sim"},
      {"big.dat", test::tool() + " dump big.dat --format csv"},
      {"big.txt", test::tool() + " check big.txt " + train_file},
      {"big.txt", test::tool() + " compile big.txt " + train_file + " --out out"},
      {"big.txt", test::tool() + " plot " + train_file + " big.txt --out out/p.svg"},
      {"big.sim", test::tool() + " plot big.dat big.sim --out out/p.svg"},
  };
  for (const auto& [file, command] : cases) {
    SCOPED_TRACE(command);
    for (const std::string& big : {file, std::string("big.dat")}) {
      test::write_bytes(dir / big, "");
      fs::resize_file(dir / big, std::uintmax_t{2} << 30);
    }
    const auto start = std::chrono::steady_clock::now();
    const auto r = test::run_in(dir.path(), memory_limit(1000) + command);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.exit_status, 1) << r.errors;
    EXPECT_NE(r.errors.find("cannot read big"), std::string::npos) << r.errors;
    EXPECT_NE(r.errors.find("bytes, more than the"), std::string::npos) << r.errors;
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_EQ(test::files_in(dir / "out"), std::vector<std::string>{});
  }
}

// The largest plan file there can be (a 1 000 000 m line, doubles
// everywhere) dumps in every format within 100 MB of address space: rows go
// out as they are decoded.
TEST(OutputSafety, DumpOfTheLargestPlanFileNeedsLittleMemory) {
  test::scratch_dir dir;
  {
    track_plan plan;
    plan.dimension(1007000);
    for (std::size_t i = 0; i < plan.points(); ++i) {
      plan.set_real(i, 0, 0.5 * static_cast<double>(i));
      plan.set_real(i, 1, 1.0 / static_cast<double>(i + 1));
    }
    const std::string bytes = encode_plan_file(plan);
    ASSERT_EQ(bytes.size(), 20140020u);
    test::write_bytes(dir / "big_linea.dat", bytes);
  }
  for (const char* format : {"json", "csv", "text"}) {
    SCOPED_TRACE(format);
    const auto r =
        test::run_in(dir.path(), "(" + memory_limit(100) + test::tool() +
                                     " dump big_linea.dat --format " + format + " >dump.out)");
    EXPECT_EQ(r.exit_status, 0) << r.errors;
    const std::string dumped = test::read_bytes(dir / "dump.out");
    fs::remove(dir / "dump.out");
    const std::string tail =
        dumped.substr(dumped.size() - std::min<std::size_t>(dumped.size(), 200));
    EXPECT_NE(tail.find("1007000"), std::string::npos) << tail;
  }
}

// Each finding quotes its source line; the description is split into lines
// once, not once per finding, so 40 000 findings take a fraction of a
// second (they took 16 s).
TEST(OutputSafety, CheckTimeGrowsLinearlyWithItsFindings) {
  test::scratch_dir dir;
  write_sources(dir.path());
  std::string line = test::read_bytes(dir / line_file);
  const std::string section = "[curve]\r\n";
  std::string overlapping;
  for (int i = 0; i < 40000; ++i) overlapping += "curvad4,  2150,  100\r\n";
  line.insert(line.find(section) + section.size(), overlapping);
  test::write_bytes(dir / "many_linea.txt", line);
  const auto start = std::chrono::steady_clock::now();
  const auto r = test::run_in(dir.path(), test::tool() + " check many_linea.txt " + train_file);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(r.exit_status, 0) << r.errors;  // warnings alone do not fail a check
  std::size_t findings = 0;
  for (std::size_t at = 0; (at = r.output.find(": warning: ", at)) != std::string::npos; ++at) {
    ++findings;
  }
  EXPECT_GE(findings, 40000u);
  EXPECT_LT(took, std::chrono::seconds(3));
}

// Output to a device that refuses every write: exit status 1 and a message,
// never success with the output lost.
TEST(OutputSafety, FailedWritesToStandardOutputAreErrors) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  test::scratch_dir dir;
  write_sources(dir.path());
  ASSERT_EQ(test::run_in(dir.path(), compile()).exit_status, 0);
  fs::copy_file(fs::path(SCENARIO_FIXTURE_DIR) / "bad_number" / "PROVA_linea.txt",
                dir / "bad_linea.txt");
  const std::vector<std::string> commands = {
      test::tool() + " dump out/L_linea.dat",
      test::tool() + " dump out/L_1.dat --format csv",
      test::tool() + " dump out/L_1.sim --format json",
      test::tool() + " compile " + line_file + " " + train_file + " --out out --json",
      test::tool() + " check bad_linea.txt " + train_file,
      test::tool() + " --help",
  };
  for (const auto& command : commands) {
    SCOPED_TRACE(command);
    const auto r = test::run_in(dir.path(), "(" + command + " >/dev/full)");
    EXPECT_EQ(r.exit_status, 1) << r.errors;
    EXPECT_NE(r.errors.find("cannot write standard output: No space left on device"),
              std::string::npos)
        << r.errors;
  }
}

TEST(OutputSafety, DumpRefusesToAppendToItsOwnInput) {
  test::scratch_dir dir;
  write_sources(dir.path());
  ASSERT_EQ(test::run_in(dir.path(), compile()).exit_status, 0);
  const std::string before = test::read_bytes(dir / "out" / "L_1.sim");
  const auto r = test::run_in(dir.path(), "(" + test::tool() + " dump out/L_1.sim >>out/L_1.sim)");
  EXPECT_EQ(r.exit_status, 1) << r.errors;
  EXPECT_NE(r.errors.find("it is the input out/L_1.sim"), std::string::npos) << r.errors;
  EXPECT_EQ(test::read_bytes(dir / "out" / "L_1.sim"), before);
}

}  // namespace
}  // namespace scn
