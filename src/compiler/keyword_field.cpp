// Reading keyword fields and finding the start of a description.
#include "compiler/keyword_field.h"

#include <algorithm>

#include "catalogue/keyword_tests.h"
#include "catalogue/record_catalogue.h"

namespace scn {

namespace {

// A keyword field with a dash in it is a separator line, skipped (a loop
// over the few bytes of a keyword costs less than a general search).
bool has_dash(std::string_view keyword) {
  return std::find(keyword.begin(), keyword.end(), '-') != keyword.end();
}

}  // namespace

std::optional<std::string_view> read_keyword(field_reader& in, int max_dashes) {
  if (in.at_end()) return std::nullopt;
  std::string_view keyword = in.read_text();
  if (in.at_end()) return std::nullopt;
  for (int discarded = 0; discarded < max_dashes && has_dash(keyword); ++discarded) {
    in.mark_discarded();
    keyword = in.read_text();
    if (in.at_end()) return std::nullopt;
  }
  in.mark_keyword();
  return keyword;
}

bool find_generale(field_reader& in) {
  while (!in.at_end()) {
    if (contains_nocase(in.read_text(), general_section)) return !in.at_end();
  }
  return false;
}

}  // namespace scn
