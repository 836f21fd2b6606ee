// Shared steps of the fault tests: old files planted before a run, checks
// that a failed run left them and nothing else behind, and the ways a test
// takes a directory or a file out of reach.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace scn::test {

inline constexpr const char* line_description_name = "BORGOLAGO-CIMAPASSO_linea.txt";
inline constexpr const char* train_description_name = "BORGOLAGO-CIMAPASSO_51827-.txt";
inline constexpr const char* plan_name = "BORGOLAGO-CIMAPASSO_linea.dat";
inline constexpr const char* item_name = "BORGOLAGO-CIMAPASSO_51827.sim";
inline constexpr const char* cell_name = "BORGOLAGO-CIMAPASSO_51827.dat";

// The three binary files and the three driver documents.
std::vector<std::string> product_names();
std::vector<std::string> binary_names();

// Writes an old version of each file, unlike anything a run writes.
void plant_old_files(const std::filesystem::path& dir, const std::vector<std::string>& names);

// Adds a failure for each file that no longer holds its planted bytes.
void expect_old_files(const std::filesystem::path& dir, const std::vector<std::string>& names);

// Entries of `dir` left by an unfinished replacement (temporary files).
std::vector<std::string> temporaries_in(const std::filesystem::path& dir);

// Makes the directory read-only for everyone, root included (immutable
// where the file system allows it, write bits off otherwise); false when
// this host cannot.
bool lock_directory(const std::filesystem::path& dir);
void unlock_directory(const std::filesystem::path& dir);

// A command prefix that runs the rest of the line as an unprivileged user
// when the tests run as root (permissions do not stop root); empty
// otherwise. Nothing when no such user switch is available.
bool unprivileged_prefix(std::string& prefix);

}  // namespace scn::test
