// The records a keyword field is read as, remembered per keyword text.
//
// A description repeats a handful of keywords thousands of times ("pendenza"
// on every gradient), and which tests match depends on the text alone, so
// each reading loop keeps the answers for the last few distinct texts
// instead of running every record's word tests on every line.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/record_catalogue.h"

namespace scn {

class keyword_dispatch {
 public:
  explicit keyword_dispatch(reading_part part) : part_(part) {}

  // The records of the part whose tests match `keyword`, in the order the
  // tests are applied (exactly what keyword_matches finds one by one). The
  // span is valid until the next call.
  std::span<const record_spec* const> matching(std::string_view keyword);

 private:
  static constexpr std::size_t remembered = 8;

  struct answer {
    std::string text;
    std::array<const record_spec*, record_kind_count> records{};
    std::size_t count = 0;
  };

  reading_part part_;
  std::array<answer, remembered> answers_;
  std::size_t filled_ = 0;
  std::size_t next_slot_ = 0;
};

}  // namespace scn
