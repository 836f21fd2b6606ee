// From the three binary files of a scenario back to its two descriptions.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tool/decompile/descriptions.h"
#include "tool/decompile/round_trip.h"

namespace scn::tool::decompile {

// A binary file that cannot be decoded at all.
class damaged_file : public std::runtime_error {
 public:
  damaged_file(std::string which, std::size_t offset, const std::string& what)
      : std::runtime_error(what), which_(std::move(which)), offset_(offset) {}
  const std::string& which() const { return which_; }  // "cell", "item" or "plan"
  std::size_t offset() const { return offset_; }

 private:
  std::string which_;
  std::size_t offset_;
};

struct decompiled {
  std::string line_name;     // from the line row
  std::string train_number;  // from the train row
  std::string line_text;     // the line description, curves only with a plan
  std::string train_text;
  // What no description can express; empty when the descriptions compile
  // back to the same bytes.
  std::vector<finding> findings;
};

// Decodes and decompiles; a plan in `files` brings the curves back. The
// descriptions are compiled again with the same identity and compared with
// the input bytes: every difference becomes a finding. Throws damaged_file.
decompiled decompile(const binary_files& files);

}  // namespace scn::tool::decompile
