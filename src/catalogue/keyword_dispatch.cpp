// The records a keyword field is read as, remembered per keyword text.
#include "catalogue/keyword_dispatch.h"

namespace scn {

std::span<const record_spec* const> keyword_dispatch::matching(std::string_view keyword) {
  for (std::size_t i = 0; i < filled_; ++i) {
    const answer& a = answers_[i];
    if (a.text == keyword) return std::span<const record_spec* const>(a.records.data(), a.count);
  }
  // A text not seen lately: run the tests and keep the answer in place of
  // the oldest one.
  answer& a = answers_[next_slot_];
  next_slot_ = (next_slot_ + 1) % remembered;
  if (filled_ < remembered) ++filled_;
  a.text.assign(keyword);
  a.count = 0;
  for (const auto& record : records_in(part_)) {
    if (keyword_matches(record, keyword)) a.records[a.count++] = &record;
  }
  return std::span<const record_spec* const>(a.records.data(), a.count);
}

}  // namespace scn
