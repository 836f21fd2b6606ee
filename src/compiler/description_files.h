// Where the compiler finds the two description files. The run reads them
// from the program directory and deletes them; the authoring tool reads any
// path and never deletes; tests hand over text from memory.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "catalogue/description_kind.h"

namespace scn {

class description_files {
 public:
  virtual ~description_files() = default;
  virtual bool exists(description which) = 0;
  // The whole file, or nothing when it does not exist.
  virtual std::optional<std::string> read(description which) = 0;
  // Deletes the file where it still exists.
  virtual void remove(description which) = 0;
  // Name for messages.
  virtual std::string name(description which) const = 0;
};

// Descriptions held in memory; `remove` forgets them, as deletion would.
class memory_description_files final : public description_files {
 public:
  memory_description_files(std::optional<std::string> line, std::optional<std::string> train)
      : line_(std::move(line)), train_(std::move(train)) {}
  bool exists(description which) override { return slot(which).has_value(); }
  std::optional<std::string> read(description which) override { return slot(which); }
  void remove(description which) override { slot(which).reset(); }
  std::string name(description which) const override {
    return which == description::line ? "line description" : "train description";
  }

 private:
  std::optional<std::string>& slot(description which) {
    return which == description::line ? line_ : train_;
  }
  std::optional<std::string> line_;
  std::optional<std::string> train_;
};

}  // namespace scn
