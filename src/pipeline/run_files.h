// Names of the eight files of a run, built from the program directory and
// the scenario identity.
#pragma once

#include <string>

namespace scn {

struct run_files {
  std::string line_description;
  std::string train_description;
  std::string notes;
  std::string slowdown_order;
  std::string timetable_card;
  std::string plan;
  std::string items;
  std::string cells;
};

// The separator is always appended to the directory, even when the
// directory already ends with one.
run_files make_run_files(const std::string& directory, char separator, const std::string& line_name,
                         const std::string& train_number);

}  // namespace scn
