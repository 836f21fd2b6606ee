// The description files of a run: on disk, deleted once compiled.
#pragma once

#include <string>

#include "compiler/description_files.h"

namespace scn {

class disk_description_files final : public description_files {
 public:
  // `deletes` false leaves the files in place (the authoring tool).
  disk_description_files(std::string line_file, std::string train_file, bool deletes)
      : line_file_(std::move(line_file)), train_file_(std::move(train_file)), deletes_(deletes) {}
  bool exists(description which) override;
  std::optional<std::string> read(description which) override;
  void remove(description which) override;
  std::string name(description which) const override {
    return which == description::line ? line_file_ : train_file_;
  }

 private:
  std::string line_file_;
  std::string train_file_;
  bool deletes_;
};

}  // namespace scn
